// node transkrypt.mjs PAGE_DIR PROGRAM CASE: runs the transcript case CASE
// (CASE.in, CASE.out, CASE.err) in the page, typing its input line by line.
// Where the case ends at a refused answer, the page asks again and goes on.
// node transkrypt.mjs --pisalne FILE...: prints the files a learner can type:
// valid UTF-8 with no control character but tab and line feed.
import fs from 'node:fs';
import { otworz, strona, wyjscie, poczekaj } from './przegladarka.mjs';

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

const [program, przypadek] = reszta;
const wejscie = fs.readFileSync(`${przypadek}.in`, 'utf8');
// A case that says something between the refusal and the end has the page's
// run written out: CASE.strona.out and CASE.strona.err.
const wzor = fs.existsSync(`${przypadek}.strona.out`) ? `${przypadek}.strona` : przypadek;
const oczekiwane = fs.readFileSync(`${wzor}.out`, 'utf8');
const bledy = fs.existsSync(`${wzor}.err`) ? fs.readFileSync(`${wzor}.err`, 'utf8') : '';
const kod = fs.existsSync(`${przypadek}.rc`)
  ? fs.readFileSync(`${przypadek}.rc`, 'utf8').trim()
  : bledy ? '1' : '0';

const przegladarka = await otworz();
const porazki = [];
try {
  const { karta, uwagi } = await strona(przegladarka, pierwszy, program);
  const linie = wejscie.split('\n');
  const ostatnia = linie.pop();
  for (const linia of linie) {
    if ((await poczekaj(karta)) === 'koniec') break;
    await karta.fill('#wejscie', linia);
    await karta.press('#wejscie', 'Enter');
  }
  if ((await poczekaj(karta)) !== 'koniec') {
    // Text without a line end goes with the end of input, as Ctrl+D sends it.
    await karta.fill('#wejscie', ostatnia);
    await karta.press('#wejscie', 'Control+D');
  }
  await karta.waitForSelector('#ekran[data-stan="koniec"]');
  const { out, err } = await wyjscie(karta);
  const status = await karta.$eval('#ekran', (e) => e.dataset.kod);
  // A person types on the page, so a refused answer is asked again there:
  // the same output and "Blad: " line, then the end of the question once more
  // (its last line and the line ends after it), and the run goes on.
  const pytanie = oczekiwane.slice(oczekiwane.lastIndexOf('\n', oczekiwane.search(/\n*$/) - 1) + 1);
  const dalej = out.startsWith(oczekiwane) ? out.slice(oczekiwane.length) : '';
  const ponowione = bledy && err.startsWith(bledy) && [...pytanie].some((_, i) => dalej.startsWith(pytanie.slice(i)));
  if (out !== oczekiwane && !ponowione) {
    porazki.push(`standard output differs\n--- expected ---\n${oczekiwane}\n--- actual ---\n${out}`);
  }
  if (status !== kod && !ponowione) porazki.push(`exit status ${status}, expected ${kod}`);
  if (bledy ? err !== bledy && !ponowione : err !== '' && kod === '0') porazki.push(`standard error:\n${err}`);
  if (!bledy && kod !== '0' && !/^Blad: [^\n]*\n$/.test(err)) porazki.push(`standard error is not one "Blad: " line:\n${err}`);
  if (uwagi.length) porazki.push(`the page reported:\n${uwagi.join('\n')}`);
} finally {
  await przegladarka.close();
}
if (porazki.length) {
  console.error(`${przypadek}:\n${porazki.join('\n')}`);
  process.exit(1);
}
