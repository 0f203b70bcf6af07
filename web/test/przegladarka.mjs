// The browsers the tests drive through puppeteer-core, which downloads none:
// Debian's chromium over CDP and firefox-esr over WebDriver BiDi. One browser
// serves many tests, as a CTest fixture:
//   node przegladarka.mjs start chromium|firefox FILE   starts it, its address in FILE
//   node przegladarka.mjs stop FILE                     ends it
// A test connects with polacz(FILE). Firefox takes one connection at a time,
// so its tests take turns (RESOURCE_LOCK); chromium's run side by side.
import puppeteer from 'puppeteer-core';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const PRZEGLADARKI = {
  chromium: {
    plik: process.env.CHROMIUM || '/usr/bin/chromium',
    protokol: 'cdp',
    // Closed network here: no background requests, no update checks.
    argumenty: (profil) => [
      '--headless', '--remote-debugging-port=0', `--user-data-dir=${profil}`, '--no-sandbox',
      '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', 'about:blank',
    ],
    adres: (log) => /DevTools listening on (ws:\S+)/.exec(log)?.[1],
  },
  firefox: {
    plik: process.env.FIREFOX || '/usr/bin/firefox-esr',
    protokol: 'webDriverBiDi',
    argumenty: (profil) => ['--headless', '--remote-debugging-port=0', '--no-remote', '--profile', profil],
    adres: (log) => {
      const adres = /WebDriver BiDi listening on (ws:\S+)/.exec(log)?.[1];
      return adres && `${adres}/session`;
    },
    // No update checks, reports or first-run pages.
    ustawienia: {
      'app.update.disabledForTesting': true,
      'browser.shell.checkDefaultBrowser': false,
      'datareporting.policy.dataSubmissionEnabled': false,
      'toolkit.telemetry.reportingpolicy.firstRun': false,
      'browser.aboutwelcome.enabled': false,
      'network.connectivity-service.enabled': false,
    },
  },
};

// Starts the browser `nazwa` for the tests to share; its address goes to `plik`.
export async function start(nazwa, plik) {
  const p = PRZEGLADARKI[nazwa];
  const profil = fs.mkdtempSync(path.join(os.tmpdir(), `liczby-${nazwa}-`));
  const ustawienia = Object.entries(p.ustawienia ?? {});
  fs.writeFileSync(path.join(profil, 'user.js'), ustawienia.map(([u, w]) => `user_pref("${u}", ${w});\n`).join(''));
  // The browser outlives this command; its messages go to a file, never to a
  // pipe that closes when this command ends.
  const log = path.join(profil, 'log');
  const wyjscie = fs.openSync(log, 'w');
  const proces = spawn(p.plik, p.argumenty(profil), { detached: true, stdio: ['ignore', wyjscie, wyjscie] });
  proces.unref();
  for (let czas = 0; czas < 60000; czas += 100) {
    const adres = p.adres(fs.readFileSync(log, 'utf8'));
    if (adres) {
      fs.writeFileSync(plik, JSON.stringify({ nazwa, adres, protokol: p.protokol, pid: proces.pid, profil }));
      return;
    }
    if (proces.exitCode !== null) break;
    await new Promise((r) => setTimeout(r, 100));
  }
  throw new Error(`${p.plik} did not start:\n${fs.readFileSync(log, 'utf8')}`);
}

// Ends the browser that start left in `plik`.
export function stop(plik) {
  const { pid, profil } = JSON.parse(fs.readFileSync(plik, 'utf8'));
  try {
    process.kill(-pid, 'SIGKILL');
  } catch {
    // Gone already.
  }
  fs.rmSync(profil, { recursive: true, force: true });
  fs.rmSync(plik, { force: true });
}

// The pages' own contexts, closed by rozlacz: the browser lives on.
const konteksty = new Set();
// What every page of this process reported, as strona's `uwagi` do.
export const wszystkieUwagi = [];

// The browser that `start` left in `plik`, named by its `nazwa`.
export async function polacz(plik) {
  const { nazwa, adres, protokol } = JSON.parse(fs.readFileSync(plik, 'utf8'));
  const przegladarka = await puppeteer.connect({ browserWSEndpoint: adres, protocol: protokol });
  return { przegladarka, nazwa };
}

// A page of its own with the program `nazwa` (or the list) from `folder`, a
// folder or an http:// address; `uwagi` collects every console message and
// page error (a CSP violation is one). `opcje`: viewport, colorScheme (which
// only chromium can emulate), skrypt (run in the page before its own).
export async function strona(przegladarka, folder, nazwa = '', opcje = {}) {
  const kontekst = await przegladarka.createBrowserContext();
  konteksty.add(kontekst);
  const karta = await kontekst.newPage();
  const uwagi = [];
  const uwaga = (tekst) => uwagi.push(tekst) && wszystkieUwagi.push(tekst);
  karta.on('console', (m) => uwaga(`console ${m.type()}: ${m.text()}`));
  karta.on('pageerror', (e) => uwaga(`page error: ${e.message}`));
  if (opcje.viewport) await karta.setViewport(opcje.viewport);
  if (opcje.colorScheme) await karta.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: opcje.colorScheme }]);
  if (opcje.skrypt) await karta.evaluateOnNewDocument(opcje.skrypt);
  const adres = folder.startsWith('http:') ? folder : pathToFileURL(path.join(path.resolve(folder), 'index.html')).href;
  await karta.goto(adres + (nazwa ? '#' + nazwa : ''));
  return { karta, uwagi };
}

// Closes every page this process opened and lets go of the browser.
export async function rozlacz(przegladarka) {
  for (const kontekst of konteksty) await kontekst.close();
  konteksty.clear();
  await przegladarka.disconnect();
}

// Types `tekst` into the answer field and sends it with Enter.
export async function wpisz(karta, tekst) {
  await karta.$eval('#wejscie', (pole, t) => (pole.value = t), tekst);
  await nacisnij(karta, 'Enter');
}

// Presses a key in the answer field; "Control+D" holds Control for D.
export async function nacisnij(karta, klawisz) {
  await karta.focus('#wejscie');
  const [modyfikator, reszta] = klawisz.includes('+') ? klawisz.split('+') : [null, klawisz];
  if (modyfikator) await karta.keyboard.down(modyfikator);
  await karta.keyboard.press(reszta);
  if (modyfikator) await karta.keyboard.up(modyfikator);
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

const [, skrypt, polecenie, ...argumenty] = process.argv;
if (skrypt && pathToFileURL(skrypt).href === import.meta.url) {
  if (polecenie === 'start') await start(...argumenty);
  else if (polecenie === 'stop') stop(...argumenty);
  else throw new Error('usage: przegladarka.mjs start chromium|firefox FILE | stop FILE');
}
