// The page is the programs' terminal: it shows what a program writes, sends
// what the learner types as lines of standard input, and starts each run as a
// fresh instance of the module in liczby.js.
'use strict';

(function () {
  const el = (id) => document.getElementById(id);
  // The programs are the ones the start page lists.
  const PROGRAMY = [...document.querySelectorAll('.programy a')].map((a) => a.hash.slice(1));
  const ekran = el('ekran');
  const wejscie = el('wejscie');
  const koder = new TextEncoder();

  // The run on screen; a run left behind writes nowhere and gets no input.
  let biezacy = null;
  // The longest echo of one line; the program refuses any word long before.
  const ECHO = 4096;
  // The screen is a column of blocks: "kawalek"s of output and echo, each
  // closed at the first line end after WEZEL characters, and "blad" blocks.
  // No append copies more than one block's text, and the browser lays out
  // only the blocks in view, so a long output costs time growing with its
  // length, not its square.
  const WEZEL = 4096;
  let kawalek = null;
  let wKawalku = 0;
  let poLinii = true; // the last text the screen took ended a line

  // The block the text `tekst` goes to, output or echo.
  function doKawalka(tekst) {
    if (!kawalek || kawalek !== ekran.lastChild || (wKawalku >= WEZEL && poLinii)) {
      kawalek = document.createElement('div');
      kawalek.className = 'kawalek';
      ekran.append(kawalek);
      wKawalku = 0;
    }
    wKawalku += tekst.length;
    poLinii = tekst.endsWith('\n');
    return kawalek;
  }

  function pokaz(lista) {
    el('lista').hidden = !lista;
    el('program').hidden = lista;
    el('drukuj').hidden = lista;
  }

  function uwaga(tekst) {
    const akapit = document.createElement('p');
    akapit.className = 'uwaga';
    akapit.textContent = tekst;
    el('lista').insertBefore(akapit, el('lista').children[1]);
  }

  // A line of output that starts one on the screen in one of these gets its
  // colour; the words stay, no byte is added.
  const KOLORY = [
    ['Dobrze.', 'dobrze'],
    ['Zle.', 'zle'],
    ['Nie liczy sie:', 'zle'],
    ['Nic nie wpisano.', 'zle'],
  ];

  // A form feed starts a page: a block of its own, ruled off on the screen
  // and on a new sheet in print, which leaves out what came before the
  // first one. The character stays in the text, hidden.
  function nowaStrona() {
    if (!ekran.querySelector('.strona')) {
      for (const blok of ekran.children) blok.classList.add('przed');
    }
    kawalek = null;
    const blok = doKawalka('\f');
    const znak = document.createElement('span');
    znak.textContent = '\f';
    blok.classList.add('strona');
    blok.append(znak);
    poLinii = true;
  }

  // Appends a line of output, or its start, to the last block: as text, or
  // as a coloured span where it starts a line on the screen with a verdict.
  function dopiszLinie(linia) {
    if (linia === '\f') return nowaStrona();
    const naPoczatku = poLinii;
    const blok = doKawalka(linia);
    const kolor = naPoczatku && KOLORY.find(([poczatek]) => linia.startsWith(poczatek));
    if (kolor) {
      const span = document.createElement('span');
      span.className = kolor[1];
      span.textContent = linia;
      blok.append(span);
    } else if (blok.lastChild && blok.lastChild.nodeType === Node.TEXT_NODE) {
      blok.lastChild.appendData(linia);
    } else {
      blok.append(linia);
    }
  }

  // Appends text as text, never as markup: to the last block, a line at a
  // time or, for standard error, to the last "blad" block while it is the
  // last thing.
  function dopisz(nr, tekst) {
    if (!tekst) return;
    const ostatni = ekran.lastChild;
    if (nr === 2) {
      if (ostatni && ostatni.className === 'blad') {
        ostatni.append(tekst);
      } else {
        const blok = document.createElement('div');
        blok.className = 'blad';
        blok.textContent = tekst;
        ekran.append(blok);
      }
      poLinii = true;
    } else {
      for (const linia of tekst.match(/\f|[^\f\n]*\n|[^\f\n]+/g)) dopiszLinie(linia);
    }
    przewin();
  }

  // Keeps the end of the screen in view, once a frame: asking for the
  // height after every line would lay the page out again for each, and a
  // pasted block would take time growing with the square of its lines.
  // Blocks that come into view take their real height a frame or two
  // later, so the end is looked for again until the height has stayed the
  // same for a few frames.
  let przewijanie = false;
  function przewin() {
    if (przewijanie) return;
    przewijanie = true;
    let wysokosc = -1;
    let stala = 0;
    requestAnimationFrame(function krok() {
      stala = ekran.scrollHeight === wysokosc ? stala + 1 : 0;
      wysokosc = ekran.scrollHeight;
      ekran.scrollTop = wysokosc;
      if (stala < 3) requestAnimationFrame(krok);
      else przewijanie = false;
    });
  }

  // Lines as typed, each cut after ECHO characters with a note, so that a
  // huge paste costs the screen no time and no memory; a pasted block is one
  // element.
  function echo(tekst) {
    const kbd = document.createElement('kbd');
    let calosc = '';
    for (const linia of tekst.match(/[^\n]*\n|[^\n]+$/g) || []) {
      if (linia.length <= ECHO + 1) {
        calosc += linia;
        continue;
      }
      // Never inside a character of two UTF-16 units.
      const koniec = /[\ud800-\udbff]/.test(linia[ECHO - 1]) ? ECHO - 1 : ECHO;
      const uciete = document.createElement('span');
      uciete.className = 'uciete';
      uciete.textContent = ' … (reszty wiersza nie pokazano, bo jest za długi)';
      kbd.append(calosc + linia.slice(0, koniec), uciete);
      calosc = linia.endsWith('\n') ? '\n' : '';
    }
    kbd.append(calosc);
    doKawalka(kbd.textContent).append(kbd);
    przewin();
  }

  // Hands the waiting read its bytes: queued input first, as much as the
  // read takes across lines, so that a pasted block goes in a few reads
  // instead of one a line; then the end of input once asked for; with
  // neither, the program waits for the learner.
  function podaj(przebieg) {
    const czeka = przebieg.czeka;
    if (!czeka || przebieg !== biezacy) return;
    if (przebieg.kolejka.length || przebieg.koniecDanych) {
      const bajty = new Uint8Array(czeka.rozmiar);
      let ile = 0;
      while (ile < bajty.length && przebieg.kolejka.length) {
        const linia = przebieg.kolejka[0];
        const czesc = linia.subarray(0, bajty.length - ile);
        bajty.set(czesc, ile);
        ile += czesc.length;
        if (czesc.length < linia.length) {
          przebieg.kolejka[0] = linia.subarray(czesc.length);
        } else {
          przebieg.kolejka.shift();
        }
      }
      przebieg.czeka = null;
      ekran.dataset.stan = 'dziala';
      czeka.gotowe(bajty.subarray(0, ile));
      return;
    }
    ekran.dataset.stan = 'czeka';
    wejscie.focus();
  }

  function wyslij(tekst) {
    const przebieg = biezacy;
    if (!przebieg || przebieg.koniecDanych || przebieg.skonczony) return;
    echo(tekst);
    przebieg.kolejka.push(koder.encode(tekst));
    podaj(przebieg);
  }

  function zakonczDane() {
    const przebieg = biezacy;
    if (!przebieg || przebieg.koniecDanych || przebieg.skonczony) return;
    if (wejscie.value) wyslij(wejscie.value);
    wejscie.value = '';
    przebieg.koniecDanych = true;
    wejscie.disabled = true;
    el('wyslij').disabled = true;
    el('koniec-danych').disabled = true;
    podaj(przebieg);
  }

  function zakoncz(przebieg, kod) {
    if (przebieg !== biezacy || przebieg.skonczony) return;
    przebieg.skonczony = true;
    for (const nr of [1, 2]) dopisz(nr, przebieg.dekodery[nr].decode());
    ekran.dataset.stan = 'koniec';
    ekran.dataset.kod = String(kod);
    el('sterowanie').hidden = true;
    // The page knows the status, not the cause; the "Blad: " line says it.
    el('wynik-konca').textContent =
      kod === 0
        ? 'Program skończył pracę.'
        : 'Program przerwał pracę: przeczytaj wiersz zaczynający się od „Blad:” i uruchom program od nowa.' +
          (przebieg.koniecDanych ? ' Wpisywanie zakończono przyciskiem „Koniec danych” albo Ctrl+D.' : '');
    el('po-koncu').hidden = false;
    // Not on "Uruchom od nowa": an Enter pressed a moment too late must not
    // wipe the answers. Starting again is a click, or Tab and Enter.
    el('wynik-konca').focus();
  }

  function uruchom(nazwa) {
    const przebieg = {
      kolejka: [],
      czeka: null,
      koniecDanych: false,
      skonczony: false,
      dekodery: { 1: new TextDecoder(), 2: new TextDecoder() },
    };
    biezacy = przebieg;
    pokaz(false);
    document.title = nazwa + ': Liczby';
    el('tytul').textContent = nazwa;
    // The list's sentence on the program, without its name.
    const punkt = document.querySelector(`.programy a[href="#${nazwa}"]`).parentNode;
    const opis = punkt.textContent.replace(/^[^:]*:\s*/, '');
    el('opis').textContent = opis.charAt(0).toUpperCase() + opis.slice(1);
    ekran.textContent = '';
    ekran.dataset.stan = 'dziala';
    delete ekran.dataset.kod;
    el('sterowanie').hidden = false;
    el('po-koncu').hidden = true;
    for (const id of ['wejscie', 'wyslij', 'koniec-danych']) {
      el(id).disabled = false;
    }
    wejscie.value = '';
    wejscie.focus();
    const strona = {
      pisz(nr, bajty) {
        if (przebieg !== biezacy) return;
        dopisz(nr, przebieg.dekodery[nr].decode(bajty, { stream: true }));
      },
      // Bytes sent that a read can take without a wait (a few, not all):
      // a refused line's rest is dropped without waiting for more.
      ile() {
        return przebieg.kolejka.length ? przebieg.kolejka[0].length : 0;
      },
      czytaj(rozmiar) {
        return new Promise((gotowe) => {
          przebieg.czeka = { gotowe, rozmiar };
          podaj(przebieg);
        });
      },
      wyczysc() {
        if (przebieg === biezacy) ekran.textContent = '';
      },
    };
    // Before the runtime is up, a failure is the browser's: too old, or
    // refusing WebAssembly.
    const blad = (powod) => {
      if (przebieg !== biezacy) return;
      dopisz(
        2,
        przebieg.uruchomiony
          ? 'Blad: program nie mogl dzialac dalej (' + powod + ')\n'
          : 'Program nie mógł się uruchomić, bo ta przeglądarka nie wykonuje ' +
              'WebAssembly (' + powod + '). ' + el('przegladarki').textContent + '\n'
      );
      zakoncz(przebieg, 1);
    };
    try {
      Liczby({
        arguments: [nazwa],
        strona,
        onRuntimeInitialized: () => (przebieg.uruchomiony = true),
        onExit: (kod) => zakoncz(przebieg, kod),
        onAbort: blad,
        print: () => {},
        printErr: () => {},
      });
    } catch (e) {
      blad(e);
    }
  }

  function trasa() {
    const nazwa = location.hash.slice(1);
    if (PROGRAMY.includes(nazwa)) {
      uruchom(nazwa);
    } else {
      biezacy = null;
      pokaz(true);
      document.title = 'Liczby: ćwiczenia z systemów liczbowych';
    }
  }

  wejscie.addEventListener('keydown', (e) => {
    if (e.key === 'Enter' && !e.isComposing) {
      e.preventDefault();
      const tekst = wejscie.value;
      wejscie.value = '';
      wyslij(tekst + '\n');
    }
  });
  // Ctrl+D ends the input, as at a console, wherever the focus is while a
  // program is on screen; once the input has ended it still must not reach
  // the browser, which would bookmark the page.
  document.addEventListener('keydown', (e) => {
    if (e.ctrlKey && (e.key === 'd' || e.key === 'D') && !el('program').hidden) {
      e.preventDefault();
      zakonczDane();
    }
  });
  // A text field would join pasted lines into one; they go as lines, in one
  // piece, and what follows the last line end stays in the field.
  wejscie.addEventListener('paste', (e) => {
    const wklejone = e.clipboardData.getData('text');
    if (!/[\r\n]/.test(wklejone)) return;
    e.preventDefault();
    const linie = (
      wejscie.value.slice(0, wejscie.selectionStart) +
      wklejone +
      wejscie.value.slice(wejscie.selectionEnd)
    ).split(/\r\n|\r|\n/);
    wejscie.value = linie.pop();
    if (linie.length) wyslij(linie.map((linia) => linia + '\n').join(''));
  });
  el('wyslij').addEventListener('click', () => {
    const tekst = wejscie.value;
    wejscie.value = '';
    wyslij(tekst + '\n');
  });
  el('koniec-danych').addEventListener('click', zakonczDane);
  el('od-nowa').addEventListener('click', () => uruchom(location.hash.slice(1)));
  window.addEventListener('hashchange', trasa);
  // The print layout is the style sheet's: the output alone.
  el('drukuj').addEventListener('click', () => window.print());

  // Big text for a projector doubles every size on the screen; the browser
  // remembers it, a setting of the display, where it keeps anything.
  const DUZY = 'liczby-duzy-tekst';
  function duzyTekst(wlaczony) {
    document.documentElement.classList.toggle('duzy-tekst', wlaczony);
    el('duzy-tekst').setAttribute('aria-pressed', wlaczony);
  }
  el('duzy-tekst').addEventListener('click', () => {
    const wlaczony = !document.documentElement.classList.contains('duzy-tekst');
    duzyTekst(wlaczony);
    try {
      localStorage.setItem(DUZY, wlaczony ? '1' : '');
    } catch {
      // Kept for this visit only: the browser keeps nothing for the page.
    }
  });
  try {
    duzyTekst(localStorage.getItem(DUZY) === '1');
  } catch {
    // As above.
  }
  el('narzedzia').hidden = false;

  el('bez-skryptu').remove();
  if (typeof WebAssembly !== 'object' || typeof Liczby !== 'function') {
    uwaga(
      'Programy nie mogą się uruchomić: ta przeglądarka nie obsługuje ' +
        'WebAssembly albo nie wczytała pliku liczby.js. Użyj nowszej przeglądarki ' +
        'albo sprawdź, czy w folderze strony jest plik liczby.js.'
    );
    return;
  }
  trasa();
})();
