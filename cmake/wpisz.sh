#!/bin/sh
# sh wpisz.sh FILE SCREEN: types FILE as a person does at a terminal whose
# screen script(1) writes to SCREEN: a line at a time, each once the screen
# has changed since the line before and then stood still a moment, as the
# program has asked its question. A line that ends in Ctrl-D (byte 4) goes
# without its line end, as Ctrl-D hands over what was typed of a line.
ekran=$2
eot=$(printf '\004')
rozmiar() { wc -c <"$ekran" 2>/dev/null || echo 0; }
# script's own first line, before the program's, is no question.
for _ in $(seq 100); do [ -s "$ekran" ] && break; sleep 0.05; done
przed=$(head -n 1 "$ekran" | wc -c)
while IFS= read -r linia || [ -n "$linia" ]; do
  # A program that writes nothing there (its output goes elsewhere) is
  # typed to after a second of a still screen.
  poprzedni=-1
  stoi=0
  while [ $stoi -lt 10 ]; do
    teraz=$(rozmiar)
    [ "$teraz" = "$poprzedni" ] && stoi=$((stoi + 1)) || stoi=0
    [ "$teraz" -gt "$przed" ] && [ $stoi -gt 0 ] && break
    poprzedni=$teraz
    sleep 0.1
  done
  przed=$(rozmiar)
  case $linia in
    *"$eot") printf '%s' "$linia" ;;
    *) printf '%s\n' "$linia" ;;
  esac
done <"$1"
