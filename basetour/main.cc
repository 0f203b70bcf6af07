#include "drille.h"
#include "koniec.h"

int main() {
  przygotuj_program();
  drills::dec2bin();
  drills::dec2oct();
  drills::dec2hex();
  drills::dec2sys();
  return 0;
}
