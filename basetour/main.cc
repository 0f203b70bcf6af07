#include "drille.h"
#include "koniec.h"

int main() {
  przygotuj_program();
  dec2bin();
  dec2oct();
  dec2hex();
  dec2sys();
  return 0;
}
