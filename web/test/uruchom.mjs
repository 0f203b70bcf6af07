// node uruchom.mjs BROWSER_FILE PAGE_DIR/PROGRAM < INPUT: the page as the
// transcript runner's launcher. Runs PROGRAM in the page in the browser that
// BROWSER_FILE names (przegladarka.mjs), typing INPUT line by line as a
// learner does, and ends as the program did: its standard output and error
// as the page shows them, its exit status. Anything the page reported on its
// console is one more line of standard error, and status 3.
// node uruchom.mjs --pisalne FILE...: prints the files a learner can type:
// valid UTF-8 with no control character but tab and line feed.
import fs from 'node:fs';
import path from 'node:path';
import { polacz, rozlacz, strona, wpisz, nacisnij, wyjscie, poczekaj } from './przegladarka.mjs';

function pisalne(bajty) {
  try {
    const tekst = new TextDecoder('utf-8', { fatal: true }).decode(bajty);
    return !/[\0-\x08\x0b-\x1f\x7f-\x9f\ufeff]/u.test(tekst);
  } catch {
    return false;
  }
}

const [, , pierwszy, ...reszta] = process.argv;
if (pierwszy === '--pisalne') {
  for (const plik of reszta) if (pisalne(fs.readFileSync(plik))) console.log(plik);
  process.exit(0);
}

const program = reszta[0];
const linie = fs.readFileSync(0, 'utf8').split('\n');
const ostatnia = linie.pop();
const { przegladarka } = await polacz(pierwszy);
let out, err, kod, uwagi;
try {
  let karta;
  ({ karta, uwagi } = await strona(przegladarka, path.dirname(program), path.basename(program)));
  for (const linia of linie) {
    if ((await poczekaj(karta)) === 'koniec') break;
    await wpisz(karta, linia);
  }
  if ((await poczekaj(karta)) !== 'koniec') {
    // Text without a line end goes with the end of input, as Ctrl+D sends it.
    await karta.$eval('#wejscie', (pole, t) => (pole.value = t), ostatnia);
    await nacisnij(karta, 'Control+D');
  }
  await karta.waitForSelector('#ekran[data-stan="koniec"]');
  ({ out, err } = await wyjscie(karta));
  kod = Number(await karta.$eval('#ekran', (e) => e.dataset.kod));
} finally {
  // A failed run's page must not go on in the shared browser.
  await rozlacz(przegladarka);
}
process.stdout.write(out);
process.stderr.write(err + (uwagi.length ? `the page reported:\n${uwagi.join('\n')}\n` : ''));
process.exitCode = uwagi.length ? 3 : kod;
