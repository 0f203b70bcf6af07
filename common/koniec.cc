#include "koniec.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <new>

#include "terminal.h"

namespace {

// Set once the program is ending with a "Blad: " line, so that no second
// one follows it.
bool zgloszono = false;

// stdio keeps a failed write's error until the end, so one look here catches
// output lost at any point: a full disk, a closed stream, a reader gone.
bool wyjscie_zapisane() {
  return std::cout.flush() && std::fflush(stdout) == 0 && !std::ferror(stdout);
}

void przy_wyjsciu() {
  const bool utracone = !zgloszono && !wyjscie_zapisane();
  if (utracone) zglos("nie udalo sie zapisac wyniku (np. dysk jest pelny)");
  // A window opened for this program alone would close with it, taking the
  // answers or the "Blad: " line along before anyone could read them.
  czekaj_w_wlasnym_oknie();
  // exit() must not be called again from here; _Exit sets the status.
  if (utracone) std::_Exit(1);
}

}  // namespace

void przygotuj_program() {
  std::set_new_handler([] { przerwij("zabraklo pamieci komputera"); });
  std::atexit(przy_wyjsciu);
  przygotuj_strumienie();
}

void zglos(std::string_view opis) {
  // What was printed before must stay, and in front of the message.
  std::cout.flush();
  if (!kursor_na_poczatku_linii()) std::cerr << '\n';
  std::cerr << "Blad: " << opis << '\n' << std::flush;
}

void przerwij(std::string_view opis) {
  zgloszono = true;
  zglos(opis);
  std::exit(1);
}
