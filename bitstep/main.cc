#include "drille.h"

int main() {
  dec2bin();
  return 0;
}
