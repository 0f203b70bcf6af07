#include "terminal.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

namespace {

TEST(NazwaTerminalaTest, OnlyMsysAndCygwinTerminalPipes) {
  for (const auto& [nazwa, terminal] :
       std::initializer_list<std::pair<std::wstring_view, bool>>{
           {L"\\msys-1888ae32e00d56aa-pty0-to-master", true},
           {L"\\cygwin-e022582115c10879-pty4-from-master", true},
           {L"\\msys--pty0", true},
           {L"\\msys-1888ae32e00d56aa-pipe-0x5", false},
           {L"\\msys-pty0-to-master", false},
           {L"\\Device\\NamedPipe\\msys-1-pty0", false},
           {L"", false}}) {
    EXPECT_EQ(nazwa_terminala(nazwa), terminal)
        << std::string(nazwa.begin(), nazwa.end());
  }
}

}  // namespace
