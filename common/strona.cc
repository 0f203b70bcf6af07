#include <emscripten.h>

#include <iostream>
#include <streambuf>

#include "terminal.h"

// The web page is the terminal: Module.strona, set by the page's script,
// shows what the program writes and hands over the lines the learner sends.

// Bytes for the screen: `nr` 1 is standard output, 2 standard error.
EM_JS(void, strona_pisz, (int nr, const char* dane, int dlugosc),
      { Module.strona.pisz(nr, HEAPU8.slice(dane, dane + dlugosc)); });

// Waits for the learner and copies at most `rozmiar` bytes of what was sent
// to `bufor`; 0 is the end of input. The heap may have grown during the wait,
// so it is looked up only after it.
EM_ASYNC_JS(int, strona_czytaj, (char* bufor, int rozmiar), {
  const bajty = await Module.strona.czytaj(rozmiar);
  HEAPU8.set(bajty, bufor);
  return bajty.length;
});

EM_JS(void, strona_wyczysc, (), { Module.strona.wyczysc(); });

namespace {

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
    if (pptr() > pbase()) {
      strona_pisz(nr_, pbase(), static_cast<int>(pptr() - pbase()));
    }
    setp(bufor_, bufor_ + sizeof bufor_);
    return 0;
  }

  int nr_;
  char bufor_[1024];
};

class ZeStrony : public std::streambuf {
 private:
  int_type underflow() override {
    if (gptr() == egptr()) {
      setg(bufor_, bufor_, bufor_ + strona_czytaj(bufor_, sizeof bufor_));
    }
    return gptr() == egptr() ? traits_type::eof()
                             : traits_type::to_int_type(*gptr());
  }

  char bufor_[1024];
};

}  // namespace

bool na_terminalu(int) { return false; }

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

void czekaj_w_wlasnym_oknie() {}
