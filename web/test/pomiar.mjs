// node web/test/pomiar.mjs PAGE_DIR [chromium|firefox] [RUNS]: the web page's
// three figures, for the record, not for a pass or fail: the folder's size,
// and in the headless browser the median times from opening
// index.html#bitstep to its first prompt and from Enter to the answer. Needs
// npm ci --prefix web/test.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { start, stop, polacz, rozlacz, strona, wpisz } from './przegladarka.mjs';

const [, , folder, nazwa = 'chromium', ile = '15'] = process.argv;
const mediana = (t) => t.sort((a, b) => a - b)[t.length >> 1];

const bajty = fs.readdirSync(folder).reduce((s, p) => s + fs.statSync(path.join(folder, p)).size, 0);
console.log(`folder: ${bajty} bytes (${(bajty / 1024).toFixed(1)} KiB) in ${fs.readdirSync(folder).length} files`);

// Notes the moments, in the page's own clock, from navigation start.
function chwile() {
  new MutationObserver(() => {
    const ekran = document.getElementById('ekran');
    if (!ekran) return;
    if (ekran.dataset.stan === 'czeka') window.pytanie ??= performance.now();
    if (ekran.textContent.includes('-> 1010')) window.odpowiedz ??= performance.now();
  }).observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
  document.addEventListener('keydown', (e) => {
    if (e.key === 'Enter') window.enter = performance.now();
  }, true);
}

const adres = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'pomiar-')), 'przegladarka.json');
await start(nazwa, adres);
const doPytania = [];
const doOdpowiedzi = [];
try {
  for (let i = 0; i < Number(ile); i++) {
    const { przegladarka } = await polacz(adres);
    const { karta } = await strona(przegladarka, folder, 'bitstep', { skrypt: chwile });
    await karta.waitForFunction(() => window.pytanie);
    await wpisz(karta, '10');
    await karta.waitForFunction(() => window.odpowiedz);
    const [p, e, o] = await karta.evaluate(() => [window.pytanie, window.enter, window.odpowiedz]);
    doPytania.push(p);
    doOdpowiedzi.push(o - e);
    await rozlacz(przegladarka);
  }
} finally {
  stop(adres);
}
console.log(`${nazwa}: open index.html#bitstep to first prompt: median ${mediana(doPytania).toFixed(1)} ms over ${ile} runs`);
console.log(`${nazwa}: Enter to answer: median ${mediana(doOdpowiedzi).toFixed(2)} ms over ${ile} runs`);
