// node zachowanie.mjs BROWSER_FILE PAGE_DIR CHECK: one check of the page's
// behaviour that no transcript shows, in the browser that BROWSER_FILE names
// (przegladarka.mjs). Fails with a message on standard error.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';
import { createRequire } from 'node:module';
import { polacz, rozlacz, strona, wyjscie, poczekaj, nacisnij, wpisz as wyslij, wszystkieUwagi } from './przegladarka.mjs';

const [, , adres, folder, sprawdzenie] = process.argv;

async function wpisz(karta, tekst) {
  assert.equal(await poczekaj(karta), 'czeka');
  await wyslij(karta, tekst);
}

async function koniec(karta) {
  await karta.waitForSelector('#ekran[data-stan="koniec"]');
  return { ...(await wyjscie(karta)), kod: await karta.$eval('#ekran', (e) => e.dataset.kod) };
}

// Pastes `tekst` into `pole`, run in the page: a paste event whose clipboard
// holds the text, as no browser lets a script fill the real clipboard.
function wklej(pole, tekst) {
  const zdarzenie = new ClipboardEvent('paste', { bubbles: true, cancelable: true });
  Object.defineProperty(zdarzenie, 'clipboardData', { value: { getData: () => tekst } });
  pole.dispatchEvent(zdarzenie);
}

// Run in the page: the style sheet's print rules made to hold on the screen,
// as only chromium emulates print media.
function naDruk() {
  for (const r of document.styleSheets[0].cssRules) if (r.media?.mediaText === 'print') r.media.mediaText = 'all';
}

// The page's folder below /strona/ on a plain server, each request's address
// in `zadane`.
async function serwuj(zadane = []) {
  const typy = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.svg': 'image/svg+xml' };
  const serwer = http.createServer((z, o) => {
    zadane.push(z.url);
    const nazwa = /^\/strona\/([\w.-]*)$/.exec(new URL(z.url, 'http://x').pathname)?.[1];
    const plik = path.join(folder, nazwa || 'index.html');
    const znany = nazwa !== undefined && typy[path.extname(plik)] && fs.existsSync(plik);
    o.writeHead(znany ? 200 : 404, znany ? { 'Content-Type': typy[path.extname(plik)] } : {});
    o.end(znany ? fs.readFileSync(plik) : undefined);
  });
  await new Promise((r) => serwer.listen(0, '127.0.0.1', r));
  return { serwer, adres: `http://127.0.0.1:${serwer.address().port}/strona/` };
}

const sprawdzenia = {
  // Typed markup is echoed by the program and shown as text, not as elements.
  async markup(przegladarka) {
    const { karta } = await strona(przegladarka, folder, 'radixval');
    await wpisz(karta, '<b>1</b>');
    await nacisnij(karta, 'Control+D');
    const { out } = await koniec(karta);
    assert.match(out, /liczba \(2\): <b>1<\/b> to /);
    assert.equal(await karta.$$eval('#ekran *', (e) => e.filter((x) => !x.matches('kbd, .blad, .kawalek, .dobrze, .zle')).length), 0);
  },

  // Ctrl+D in the empty field is the end of input, as at a console; once
  // the input has ended, a second one still stays with the page.
  async ctrl_d(przegladarka) {
    const { karta } = await strona(przegladarka, folder, 'pairops');
    await wpisz(karta, '7');
    await poczekaj(karta);
    await nacisnij(karta, 'Control+D');
    const { out, err, kod } = await koniec(karta);
    assert.equal(out, 'Podaj A=Podaj B=');
    assert.equal(err, 'Blad: zabraklo odpowiedzi: wpisywanie zakonczono\n');
    assert.equal(kod, '1');
    await karta.evaluate(() => window.addEventListener('keydown', (e) => (window.zatrzymane = e.defaultPrevented)));
    await karta.keyboard.down('Control');
    await karta.keyboard.press('d');
    await karta.keyboard.up('Control');
    assert.equal(await karta.evaluate(() => window.zatrzymane), true);
  },

  // A pasted block goes as lines; what follows its last line end stays typed.
  async paste(przegladarka) {
    const { karta } = await strona(przegladarka, folder, 'basetour');
    await poczekaj(karta);
    await karta.$eval('#wejscie', wklej, '10\r\n8\n255\n3');
    assert.equal(await karta.$eval('#wejscie', (pole) => pole.value), '3');
    await nacisnij(karta, 'Enter');
    await wpisz(karta, '2');
    const { out, kod } = await koniec(karta);
    assert.equal(kod, '0');
    assert.match(out, /-> 1010\n[^]*-> 10\n[^]*-> FF\n[^]*-> 11\n/);
    // Time must not grow with the square of the lines: 10,000 go in, with a
    // line too long to show whole, and are on screen in well under a second.
    const { karta: druga } = await strona(przegladarka, folder, 'radixval');
    await poczekaj(druga);
    // The page's own policy forbids eval; the driver's evaluation is not its.
    await druga.evaluate(`window.wklej = ${wklej}`);
    const czas = await druga.$eval('#wejscie', async (pole) => {
      const start = performance.now();
      window.wklej(pole, '1'.repeat(1e6) + '\n' + '101\n'.repeat(1e4));
      await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
      return performance.now() - start;
    });
    assert.ok(czas < 1000, `${czas} ms`);
    assert.ok((await druga.$eval('#ekran', (e) => e.textContent.length)) < 1e5);
    // Nor where the program answers each of 10,000 lines: all of them are
    // read and answered, on screen within a second.
    const { karta: trzecia } = await strona(przegladarka, folder, 'basecoach');
    for (const wybor of ['1', '1', '1']) await wpisz(trzecia, wybor);
    await poczekaj(trzecia);
    await trzecia.evaluate(`window.wklej = ${wklej}`);
    const odpowiedzi = await trzecia.$eval('#wejscie', async (pole) => {
      const start = performance.now();
      window.wklej(pole, 'x\n'.repeat(1e4));
      const ekran = document.getElementById('ekran');
      while (ekran.dataset.stan !== 'czeka') await new Promise((r) => setTimeout(r, 1));
      return { czas: performance.now() - start, ile: ekran.textContent.split('Wpisz sama liczbe').length - 1 };
    });
    assert.ok(odpowiedzi.czas < 1000, `basecoach: ${odpowiedzi.czas} ms`);
    assert.equal(odpowiedzi.ile, 1e4);
    // The end of the screen, with the question, is in view.
    await trzecia.waitForFunction(() => {
      const e = document.getElementById('ekran');
      return e.scrollHeight - e.scrollTop - e.clientHeight < 2;
    }, { timeout: 2000 });
  },

  // A refused answer is asked again, its word quoted as typed but for what
  // shows nothing or turns the text around: every format character
  // (Unicode's Cf) and default-ignorable one (a few of the 4,096 of the
  // plane of tags) and the line separators are '?'. The run goes on.
  async ponownie(przegladarka) {
    const { karta } = await strona(przegladarka, folder, 'bitstep');
    const ukryte = [];
    for (let kod = 0; kod < 0xe0000; kod++) {
      if (/[\p{Cf}\p{DI}\u2028\u2029]/u.test(String.fromCodePoint(kod))) ukryte.push(String.fromCodePoint(kod));
    }
    ukryte.push(...[0xe0000, 0xe0001, 0xe007f, 0xe0100, 0xe01ef, 0xe0fff].map((kod) => String.fromCodePoint(kod)));
    const slowa = [['dwanaście', 'dwanaście'], ['5\u200b', '5?']];
    for (let i = 0; i < ukryte.length; i += 20) {
      slowa.push([ukryte.slice(i, i + 20).join(''), '?'.repeat(ukryte.slice(i, i + 20).length)]);
    }
    for (const [slowo] of slowa) await wpisz(karta, slowo);
    await wpisz(karta, '10');
    const { out, err, kod } = await koniec(karta);
    const pytanie = 'Podaj liczbe dziesietna: ';
    assert.equal(out, `DEC 2 BIN \n\n${pytanie.repeat(slowa.length + 1)}liczba: 10 to w systemie dwojkowym -> 1010\n\n`);
    const co = ' to nie jest liczba dziesietna: wpisz same cyfry 0-9, np. 255\n';
    assert.equal(err, slowa.map(([, cytat]) => `Blad: "${cytat}"${co}`).join(''));
    assert.equal(kod, '0');
  },

  // Running again starts a fresh program with an empty screen.
  async od_nowa(przegladarka) {
    const { karta } = await strona(przegladarka, folder, 'bitstep');
    await wpisz(karta, 'x');
    await poczekaj(karta);
    await nacisnij(karta, 'Control+D');
    assert.equal((await koniec(karta)).kod, '1');
    // An Enter pressed a moment too late leaves the answers on screen.
    await karta.keyboard.press('Enter');
    await new Promise((r) => setTimeout(r, 200));
    assert.match((await koniec(karta)).out, /Podaj liczbe dziesietna: Podaj/);
    await karta.click('#od-nowa');
    await wpisz(karta, '5');
    const { out, err, kod } = await koniec(karta);
    assert.deepEqual({ err, kod }, { err: '', kod: '0' });
    assert.equal(out.match(/Podaj/g).length, 1);
    assert.match(out, /-> 101\n/);
    assert.equal(await karta.$$eval('#ekran kbd', (k) => k.length), 1);
  },

  // Served from a plain server below its root, the page asks for nothing
  // outside its folder (no /favicon.ico either) and logs nothing.
  async zadania(przegladarka) {
    const zadane = [];
    const { serwer, adres } = await serwuj(zadane);
    try {
      const { karta, uwagi } = await strona(przegladarka, adres);
      await karta.click('a[href="#pairops"]');
      await wpisz(karta, '7');
      await wpisz(karta, '2');
      assert.equal((await koniec(karta)).kod, '0');
      await new Promise((r) => setTimeout(r, 500));
      assert.deepEqual(zadane.filter((u) => !u.startsWith('/strona/')), []);
      assert.deepEqual(uwagi, []);
    } finally {
      serwer.close();
    }
  },

  // A worksheet prints from its first form feed on, each further one
  // starting an A4 page, without the dialogue before it or the controls.
  // Each part takes the pages its lines fill, measured with the print rules
  // on the screen at the width of the page; served, as chromium hides the
  // style sheet's rules from a page opened from disk. Output without a form
  // feed prints whole, but for the typed answers.
  async druk(przegladarka) {
    const { serwer, adres } = await serwuj();
    try {
      const { karta } = await strona(przegladarka, adres, 'basecoach');
      for (const linia of ['3', '1', '25', '26']) await wpisz(karta, linia);
      await poczekaj(karta);
      const { out } = await wyjscie(karta);
      const pdf = Buffer.from(await karta.pdf({ format: 'A4' }));
      // Its page objects, Firefox's in compressed object streams.
      const obiekty = [...pdf.toString('latin1').matchAll(/(?<!end)stream\r?\n/g)].map((m) => {
        try {
          return zlib.inflateSync(pdf.subarray(m.index + m[0].length)).toString('latin1');
        } catch {
          return '';
        }
      });
      const strony = [pdf.toString('latin1'), ...obiekty].join('').match(/\/Type\s*\/Page\b/g).length;
      await karta.evaluate(naDruk);
      const druk = await karta.evaluate(() => {
        const regula = [...document.styleSheets[0].cssRules].find((r) => r instanceof CSSPageRule);
        const { marginTop, marginRight, marginBottom, marginLeft } = regula.style;
        // An A4 page within its margins, its height measured as a width.
        document.body.style.width = `calc(297mm - ${marginTop} - ${marginBottom})`;
        const wysokosc = document.body.getBoundingClientRect().width;
        document.body.style.width = `calc(210mm - ${marginLeft} - ${marginRight})`;
        const ekran = document.getElementById('ekran');
        const linia = parseFloat(getComputedStyle(ekran).lineHeight);
        const naStrone = Math.floor(wysokosc / linia);
        const granice = [...ekran.querySelectorAll('.strona')].map((e) => e.getBoundingClientRect().top);
        granice.push(ekran.getBoundingClientRect().bottom);
        const czesci = granice.slice(1).map((dol, i) => Math.ceil(Math.round((dol - granice[i]) / linia) / naStrone));
        return { czesci, tekst: document.body.innerText };
      });
      // Group A's sheet, group B's and the key.
      assert.equal(druk.czesci.length, 3);
      assert.equal(strony, druk.czesci.reduce((a, b) => a + b), `parts of ${druk.czesci} pages`);
      assert.equal(druk.tekst.replace(/\s/g, ''), out.slice(out.indexOf('\f')).replace(/\s/g, ''));
      const { karta: druga } = await strona(przegladarka, adres, 'pairops');
      await wpisz(druga, '7');
      await wpisz(druga, '2');
      await poczekaj(druga);
      await druga.evaluate(naDruk);
      const tekst = await druga.evaluate(() => document.body.innerText);
      assert.equal(tekst.replace(/\s/g, ''), (await wyjscie(druga)).out.replace(/\s/g, ''));
    } finally {
      serwer.close();
    }
  },

  // axe-core finds no serious or critical issue on the start page or in a
  // running program, basecoach's verdicts in colour among them, in light and
  // dark mode, with "Duży tekst" off and on (switched from the keyboard,
  // and remembered); at 360 px nothing scrolls sideways, however long the
  // output.
  async dostepnosc(przegladarka, nazwa) {
    const axe = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
    // Only chromium can be told to prefer the dark scheme.
    for (const colorScheme of nazwa === 'chromium' ? ['light', 'dark'] : [undefined]) {
      for (const program of ['', 'radixval', 'basecoach']) {
        const { karta } = await strona(przegladarka, folder, program, { colorScheme, viewport: { width: 360, height: 640 } });
        const odpowiedzi = { radixval: ['1'.repeat(300), '9'], basecoach: ['1', '1', '1', '11', '?', 'x', '0', ''] };
        for (const odpowiedz of odpowiedzi[program] ?? []) await wpisz(karta, odpowiedz);
        if (program === 'basecoach') {
          await poczekaj(karta);
          assert.equal(await karta.$$eval('#ekran .dobrze, #ekran .zle', (e) => e.map((x) => x.className).join(' ')), 'dobrze zle zle');
        }
        // Evaluated by the driver, which the page's policy does not govern.
        await karta.evaluate(axe);
        for (const duzy of [false, true]) {
          const gdzie = `${colorScheme} ${program || 'list'}${duzy ? ' big' : ''}`;
          if (duzy) {
            await karta.focus('#duzy-tekst');
            await karta.keyboard.press('Enter');
          }
          // Without preloading, which would fetch the style sheet against
          // the page's policy.
          const wyniki = await karta.evaluate(async () => (await window.axe.run(document, { preload: false })).violations);
          const powazne = wyniki.filter((w) => ['serious', 'critical'].includes(w.impact));
          assert.deepEqual(powazne.map((w) => `${gdzie}: ${w.id}: ${w.nodes.map((n) => n.target).join(' ')}`), []);
          assert.ok(await karta.evaluate(() => document.documentElement.scrollWidth <= 360), `${gdzie} scrolls sideways at 360 px`);
        }
        if (!program) await karta.reload();
        assert.equal(await karta.$eval('#duzy-tekst', (b) => b.getAttribute('aria-pressed')), 'true');
      }
    }
  },
};

const { przegladarka, nazwa } = await polacz(adres);
try {
  await sprawdzenia[sprawdzenie](przegladarka, nazwa);
  // No page may log anything, whatever the check looked at.
  assert.deepEqual(wszystkieUwagi, []);
} catch (e) {
  console.error(`${sprawdzenie}: ${e.message}`);
  process.exitCode = 1;
} finally {
  await rozlacz(przegladarka);
}
