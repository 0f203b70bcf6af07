// node bench/strona.mjs PAGE_DIR [RUNS]: the web page's three figures, for the
// record, not for a pass or fail: the folder's size, and in headless Chromium
// the median times from opening index.html#bitstep to its first prompt and
// from Enter to the answer. Needs npm ci --prefix web/test.
import fs from 'node:fs';
import path from 'node:path';
import { otworz, strona } from '../web/test/przegladarka.mjs';

const [, , folder, ile = '15'] = process.argv;
const mediana = (t) => t.sort((a, b) => a - b)[t.length >> 1];

const bajty = fs.readdirSync(folder).reduce((s, p) => s + fs.statSync(path.join(folder, p)).size, 0);
console.log(`folder: ${bajty} bytes (${(bajty / 1024).toFixed(1)} KiB) in ${fs.readdirSync(folder).length} files`);

const przegladarka = await otworz();
const doPytania = [];
const doOdpowiedzi = [];
for (let i = 0; i < Number(ile); i++) {
  const kontekst = await przegladarka.newContext();
  // Notes the moments, in the page's own clock, from navigation start.
  await kontekst.addInitScript(() => {
    new MutationObserver(() => {
      const ekran = document.getElementById('ekran');
      if (!ekran) return;
      if (ekran.dataset.stan === 'czeka') window.pytanie ??= performance.now();
      if (ekran.textContent.includes('-> 1010')) window.odpowiedz ??= performance.now();
    }).observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
    document.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') window.enter = performance.now();
    }, true);
  });
  const { karta } = await strona(przegladarka, folder, 'bitstep', {}, kontekst);
  await karta.waitForFunction(() => window.pytanie);
  await karta.fill('#wejscie', '10');
  await karta.press('#wejscie', 'Enter');
  await karta.waitForFunction(() => window.odpowiedz);
  const [p, e, o] = await karta.evaluate(() => [window.pytanie, window.enter, window.odpowiedz]);
  doPytania.push(p);
  doOdpowiedzi.push(o - e);
  await kontekst.close();
}
await przegladarka.close();
console.log(`open index.html#bitstep to first prompt: median ${mediana(doPytania).toFixed(1)} ms over ${ile} runs`);
console.log(`Enter to answer: median ${mediana(doOdpowiedzi).toFixed(2)} ms over ${ile} runs`);
