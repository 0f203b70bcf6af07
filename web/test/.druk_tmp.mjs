import fs from 'node:fs';
import { polacz, rozlacz, strona, wpisz, poczekaj } from './przegladarka.mjs';
const [, , plik, folder, wyj, program, ...linie] = process.argv;
const { przegladarka } = await polacz(plik);
const { karta } = await strona(przegladarka, folder, program, { viewport: { width: 1280, height: 900 } });
if (wyj.endsWith('.png')) {
  await karta.click('#duzy-tekst');
}
for (const l of linie) await wpisz(karta, l);
await poczekaj(karta);
if (wyj.endsWith('.png')) await karta.screenshot({ path: wyj });
else fs.writeFileSync(wyj, Buffer.from(await karta.pdf({ format: 'A4' })));
await przegladarka.disconnect();
