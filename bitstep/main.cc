#include "drille.h"
#include "koniec.h"

int main() {
  przygotuj_program();
  drills::dec2bin();
  return 0;
}
