#include <emscripten.h>

#include <cstdint>
#include <iostream>
#include <streambuf>
#include <string>

#include "terminal.h"

// The web page is the terminal: Module.strona, set by the page's script,
// shows what the program writes and hands over the lines the learner sends.

// Bytes for the screen: `nr` 1 is standard output, 2 standard error. The
// page decodes them at once, so it takes a view, not a copy.
EM_JS(void, strona_pisz, (int nr, const char* dane, int dlugosc),
      { Module.strona.pisz(nr, HEAPU8.subarray(dane, dane + dlugosc)); });

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

// How many bytes the learner has sent that no read has taken yet.
EM_JS(int, strona_ile, (), { return Module.strona.ile(); });

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
  // What was sent can be taken without a wait.
  std::streamsize showmanyc() override { return strona_ile(); }

  char bufor_[1 << 16];
};

}  // namespace

bool na_terminalu(int) { return false; }

bool wpisuje_czlowiek() { return true; }

bool pokazywalny(std::string_view znak) {
  // The code point of its first bytes; continuation bytes after a whole
  // character only add U+FFFD, which shows.
  const auto bajt = [znak](std::size_t i) -> std::uint32_t {
    return i < znak.size() ? static_cast<unsigned char>(znak[i]) : 0;
  };
  std::uint32_t kod = bajt(0);
  if (kod >= 0xC0) {
    const int dlugosc = kod >= 0xF0 ? 4 : kod >= 0xE0 ? 3 : 2;
    kod &= 0x3F >> (dlugosc - 1);
    for (int i = 1; i < dlugosc; ++i) kod = kod << 6 | (bajt(i) & 0x3F);
  }
  // Control characters; Unicode's format characters (category Cf) and
  // default-ignorable ones, which show nothing or turn the text's direction;
  // the line and paragraph separators.
  static constexpr std::uint32_t kUkryte[][2] = {
      {0x0, 0x1F},        {0x7F, 0x9F},       {0xAD, 0xAD},
      {0x34F, 0x34F},     {0x600, 0x605},     {0x61C, 0x61C},
      {0x6DD, 0x6DD},     {0x70F, 0x70F},     {0x890, 0x891},
      {0x8E2, 0x8E2},     {0x115F, 0x1160},   {0x17B4, 0x17B5},
      {0x180B, 0x180F},   {0x200B, 0x200F},   {0x2028, 0x202E},
      {0x2060, 0x206F},   {0x3164, 0x3164},   {0xFE00, 0xFE0F},
      {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFFB},
      {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F},
      {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF}};
  for (const auto& [od, do_] : kUkryte) {
    if (kod >= od && kod <= do_) return false;
  }
  return true;
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

void przy_przerwaniu(std::string_view) {}

void czekaj_w_wlasnym_oknie() {}
