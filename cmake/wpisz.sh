#!/bin/sh
# sh wpisz.sh FILE: types FILE as a person does at a terminal, a line at a
# time, each after a pause in which the program asks its question. A line
# that ends in Ctrl-D (byte 4) goes without its line end, as Ctrl-D hands
# over what was typed of a line.
eot=$(printf '\004')
while IFS= read -r linia || [ -n "$linia" ]; do
  sleep 0.2
  case $linia in
    *"$eot") printf '%s' "$linia" ;;
    *) printf '%s\n' "$linia" ;;
  esac
done <"$1"
