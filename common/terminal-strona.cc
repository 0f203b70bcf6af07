#include <emscripten.h>

#include <iostream>
#include <streambuf>
#include <string>
#include <utility>

#include "terminal.h"

// The web page is the terminal: Module.strona, set by the page's script,
// shows what the program writes and hands over the lines the learner sends.

// Bytes for the screen: `nr` 1 is standard output, 2 standard error.
EM_JS(void, strona_pisz, (int nr, const char* dane, int dlugosc),
      { Module.strona.pisz(nr, HEAPU8.slice(dane, dane + dlugosc)); });

// Waits for the learner and copies at most `rozmiar` bytes of what was sent
// to `bufor`; 0 is the end of input. The heap may have grown during the wait,
// so it is looked up only after it. The program resumes inside this promise
// chain, so its exit() ends here, as the ExitStatus it throws, which onExit
// has already reported: nothing is left for the browser to call uncaught.
EM_JS(int, strona_czytaj, (char* bufor, int rozmiar), {
  return Asyncify.handleSleep(function(wznow) {
    Module.strona.czytaj(rozmiar)
        .then(function(bajty) {
          HEAPU8.set(bajty, bufor);
          wznow(bajty.length);
        })
        .catch(function(e) {
          if (!e || e.name != 'ExitStatus') throw e;
        });
  });
});

EM_JS(void, strona_wyczysc, (), { Module.strona.wyczysc(); });

namespace {

std::string wypisane;  // since zabierz_wypisane last took it

class DoStrony : public std::streambuf {
 public:
  explicit DoStrony(int nr) : nr_(nr) { setp(bufor_, bufor_ + sizeof bufor_); }

 private:
  int_type overflow(int_type znak) override {
    sync();
    if (!traits_type::eq_int_type(znak, traits_type::eof())) {
      sputc(traits_type::to_char_type(znak));
    }
    return traits_type::not_eof(znak);
  }
  int sync() override {
    if (nr_ == 1) wypisane.append(pbase(), pptr());
    if (pptr() > pbase()) {
      strona_pisz(nr_, pbase(), static_cast<int>(pptr() - pbase()));
    }
    setp(bufor_, bufor_ + sizeof bufor_);
    return 0;
  }

  int nr_;
  char bufor_[1024];
};

// Reads in large pieces: a pasted block, or the rest of a very long line
// that a refusal drops, then takes few waits.
class ZeStrony : public std::streambuf {
 private:
  int_type underflow() override {
    if (gptr() == egptr()) {
      setg(bufor_, bufor_, bufor_ + strona_czytaj(bufor_, sizeof bufor_));
    }
    return gptr() == egptr() ? traits_type::eof()
                             : traits_type::to_int_type(*gptr());
  }

  char bufor_[1 << 16];
};

}  // namespace

bool na_terminalu(int) { return false; }

bool wpisuje_czlowiek() { return true; }

bool pokazywalny(std::string_view znak) {
  // Looked at by its first bytes, as continuation bytes after a whole
  // character only add U+FFFD.
  const auto bajt = [znak](std::size_t i) {
    return i < znak.size() ? static_cast<unsigned char>(znak[i]) : 0;
  };
  const bool c1 = bajt(0) == 0xC2 && bajt(1) >= 0x80 && bajt(1) <= 0x9F;
  // U+202A..U+202E and U+2066..U+2069 turn the text's direction around.
  const bool kierunek =
      bajt(0) == 0xE2 &&
      ((bajt(1) == 0x80 && bajt(2) >= 0xAA && bajt(2) <= 0xAE) ||
       (bajt(1) == 0x81 && bajt(2) >= 0xA6 && bajt(2) <= 0xA9));
  return bajt(0) >= 0x20 && bajt(0) != 0x7F && !c1 && !kierunek;
}

void wyczysc_ekran() {
  std::cout.flush();
  strona_wyczysc();
}

void przygotuj_strumienie() {
  // Never freed: the streams are flushed at exit, after static objects go.
  std::cout.rdbuf(new DoStrony(1));
  std::cerr.rdbuf(new DoStrony(2));
  std::cin.rdbuf(new ZeStrony);
}

bool kursor_na_poczatku_linii() { return true; }

std::string zabierz_wypisane() { return std::exchange(wypisane, {}); }

void czekaj_w_wlasnym_oknie() {}
