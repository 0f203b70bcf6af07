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

  function pokaz(lista) {
    el('lista').hidden = !lista;
    el('program').hidden = lista;
  }

  function uwaga(tekst) {
    const akapit = document.createElement('p');
    akapit.className = 'uwaga';
    akapit.textContent = tekst;
    el('lista').insertBefore(akapit, el('lista').children[1]);
  }

  // Appends text as text, never as markup: to the last text node or, for
  // standard error, to the last "blad" block while it is the last thing.
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
    } else if (ostatni && ostatni.nodeType === Node.TEXT_NODE) {
      ostatni.appendData(tekst);
    } else {
      ekran.append(tekst);
    }
    ekran.scrollTop = ekran.scrollHeight;
  }

  function echo(tekst) {
    const kbd = document.createElement('kbd');
    kbd.textContent = tekst;
    ekran.append(kbd);
    ekran.scrollTop = ekran.scrollHeight;
  }

  // Hands the waiting read its bytes: queued input first, then the end of
  // input once asked for; with neither, the program waits for the learner.
  function podaj(przebieg) {
    const czeka = przebieg.czeka;
    if (!czeka || przebieg !== biezacy) return;
    if (!przebieg.bajty.length && przebieg.kolejka.length) {
      przebieg.bajty = przebieg.kolejka.shift();
    }
    if (przebieg.bajty.length || przebieg.koniecDanych) {
      przebieg.czeka = null;
      ekran.dataset.stan = 'dziala';
      czeka.gotowe(przebieg.bajty.subarray(0, czeka.rozmiar));
      przebieg.bajty = przebieg.bajty.subarray(czeka.rozmiar);
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
    el('wynik-konca').textContent =
      kod === 0
        ? 'Program zakończył pracę (kod wyjścia 0).'
        : 'Program zakończył pracę z błędem (kod wyjścia ' + kod + ').';
    el('po-koncu').hidden = false;
    el('od-nowa').focus();
  }

  function uruchom(nazwa) {
    const przebieg = {
      kolejka: [],
      bajty: new Uint8Array(0),
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
    } else if (e.ctrlKey && (e.key === 'd' || e.key === 'D')) {
      e.preventDefault();
      zakonczDane();
    }
  });
  // A text field would join pasted lines into one; each goes as a line, and
  // what follows the last line end stays in the field.
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
    for (const linia of linie) wyslij(linia + '\n');
  });
  el('wyslij').addEventListener('click', () => {
    const tekst = wejscie.value;
    wejscie.value = '';
    wyslij(tekst + '\n');
  });
  el('koniec-danych').addEventListener('click', zakonczDane);
  el('od-nowa').addEventListener('click', () => uruchom(location.hash.slice(1)));
  window.addEventListener('hashchange', trasa);
  // exit() ends a program by throwing ExitStatus through its stack; after a
  // wait for input nothing of emscripten's own catches it. onExit has the
  // status, so this is the expected way out, not an error.
  window.addEventListener('unhandledrejection', (e) => {
    if (e.reason && e.reason.name === 'ExitStatus') e.preventDefault();
  });

  el('bez-skryptu').remove();
  if (typeof WebAssembly !== 'object' || typeof Liczby !== 'function') {
    uwaga(
      'Programy nie mogą się uruchomić: ta przeglądarka nie obsługuje ' +
        'WebAssembly albo nie wczytała pliku liczby.js. Użyj nowszej przeglądarki.'
    );
    return;
  }
  trasa();
})();
