#include "drille.h"

int main() {
  dec2bin();
  dec2oct();
  dec2hex();
  dec2sys();
  return 0;
}
