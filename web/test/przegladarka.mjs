// Debian's chromium, driven by playwright-core, which downloads no browser.
import { chromium } from 'playwright-core';
import { pathToFileURL } from 'node:url';
import path from 'node:path';

export async function otworz() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    // Closed network here: no background requests, no update checks.
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  });
}

// A new page with the program `nazwa` (or the list) from `folder`, a folder
// or an http:// address; `uwagi` collects every console message, page error
// and CSP violation.
export async function strona(przegladarka, folder, nazwa = '', opcje = {}, kontekst = null) {
  kontekst ??= await przegladarka.newContext(opcje);
  const karta = await kontekst.newPage();
  const uwagi = [];
  karta.on('console', (m) => uwagi.push(`console ${m.type()}: ${m.text()}`));
  karta.on('pageerror', (e) => uwagi.push(`page error: ${e.message}`));
  const adres = folder.startsWith('http:') ? folder : pathToFileURL(path.join(path.resolve(folder), 'index.html')).href;
  await karta.goto(adres + (nazwa ? '#' + nazwa : ''));
  return { karta, uwagi };
}

// What the program wrote to standard output and to standard error.
export async function wyjscie(karta) {
  return karta.$eval('#ekran', (ekran) => {
    const kopia = ekran.cloneNode(true);
    const bledy = [...kopia.querySelectorAll('.blad')].map((b) => b.textContent);
    for (const e of kopia.querySelectorAll('kbd, .blad')) e.remove();
    return { out: kopia.textContent, err: bledy.join('') };
  });
}

// Waits until the program waits for input or has ended; returns which.
export async function poczekaj(karta) {
  const stan = await karta.waitForFunction(() => {
    const s = document.getElementById('ekran').dataset.stan;
    return (s === 'czeka' || s === 'koniec') && s;
  });
  return stan.jsonValue();
}
