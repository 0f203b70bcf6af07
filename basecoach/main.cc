#include "koniec.h"
#include "trening.h"

int main() {
  przygotuj_program();
  return basecoach::lekcja();
}
