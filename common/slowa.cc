#include "slowa.h"

#include <cctype>

namespace {

bool odstep(int bajt) { return std::isspace(bajt) != 0; }

// The characters of `we` up to the first byte `stop` takes, left unread, or
// the end of input; blanks before the first other byte and after the last
// are left out and not counted. Refused past kMaksDlugosc characters, the
// rest unread; at the end of input before any of them; on a read error.
// With `na_poczatku` a byte-order mark that starts them is dropped.
template <typename F>
Tekst czytaj_do(std::istream& we, bool na_poczatku, F stop) {
  // The answer so far, then the blanks after its last other byte: those are
  // counted only once another byte follows them, and kept only while one
  // still could be taken.
  std::string tekst;
  // Characters, and bytes, of the answer up to its last byte that is not a
  // blank.
  std::size_t dlugosc = 0, koniec = 0;
  // Each byte is looked at, then taken at the end of the turn: the one past
  // the limit is left unread.
  for (int bajt, ciag = 3; (bajt = we.peek()) != EOF && !stop(bajt); we.get()) {
    const bool nowy = nowy_znak(bajt, ciag);
    if (odstep(bajt)) {
      if (koniec > 0 && tekst.size() - koniec < kMaksDlugosc)
        tekst += static_cast<char>(bajt);
      na_poczatku = false;
      continue;
    }
    dlugosc += tekst.size() - koniec + nowy;
    if (dlugosc > kMaksDlugosc) return {tekst, {Powod::dlugosc, tekst}};
    tekst += static_cast<char>(bajt);
    koniec = tekst.size();
    if (na_poczatku && tekst == "\xEF\xBB\xBF") {
      tekst.clear();
      dlugosc = koniec = 0;
      na_poczatku = false;
    }
  }
  if (we.bad()) return {{}, {Powod::odczyt}};
  if (koniec == 0 && we.eof()) return {{}, {Powod::koniec}};
  tekst.resize(koniec);
  return {tekst};
}

}  // namespace

Tekst czytaj_slowo(std::istream& we, bool na_poczatku) {
  for (; odstep(we.peek()); na_poczatku = false) we.get();
  const Tekst slowo = czytaj_do(we, na_poczatku, odstep);
  // Only a byte-order mark before white space leaves a word empty here.
  if (slowo.odmowa.powod == Powod::brak && slowo.wartosc.empty())
    return czytaj_slowo(we, false);
  return slowo;
}

Tekst czytaj_linie(std::istream& we, bool na_poczatku) {
  const Tekst linia =
      czytaj_do(we, na_poczatku, [](int bajt) { return bajt == '\n'; });
  if (linia.odmowa.powod == Powod::brak && we.peek() == '\n') we.get();
  return linia;
}

void pomin_reszte_linii(std::istream& we) {
  std::streambuf& wejscie = *we.rdbuf();
  while (wejscie.in_avail() > 0 && wejscie.sbumpc() != '\n') continue;
}
