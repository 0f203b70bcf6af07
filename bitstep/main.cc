#include "drille.h"
#include "koniec.h"

int main() {
  przygotuj_program();
  dec2bin();
  return 0;
}
