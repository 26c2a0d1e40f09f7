// Loads every expected EDS of the description fixtures with an independent
// EDS reader (the npm package "canopen") and compares its receive and
// transmit PDOs with the rows of the fixture's PDO_CANopen.xml: the same
// COB-IDs, each mapping byte j of PDO i onto sub-index j of 0x7000 + i
// (receive) or 0x7050 + i (transmit), 8 bits each.
'use strict';
const fs = require('fs');
const path = require('path');
// The EDS reader alone: the package's index also loads a native CRC helper
// that is not needed here.
const {Eds} = require('canopen/source/eds');

function number(text) {
  const t = text.trim();
  if (/^\$[0-9a-f]+$/i.test(t)) return parseInt(t.slice(1), 16);
  if (/^0x[0-9a-f]+$/i.test(t)) return parseInt(t.slice(2), 16);
  if (/^[0-9]+$/.test(t)) return parseInt(t, 10);
  return NaN;
}

function expectedPdos(xml, list, base) {
  const body = (xml.match(new RegExp(`<${list}>([\\s\\S]*?)</${list}>`)) || ['', ''])[1];
  const rows = [...body.matchAll(/<row COB-ID="([^"]*)" Dimension="([^"]*)"/g)];
  return rows.map(([, cob, dim], i) => {
    const bytes = Number.isNaN(number(dim)) ? 8 : number(dim);
    const mapped = [];
    for (let j = 1; j <= bytes; ++j) mapped.push([base + i, j, 8]);
    return {cobId: number(cob), mapped};
  });
}

// The reader lists PDOs in its own key order: compare them by COB-ID.
function byCobId(pdos) {
  return [...pdos].sort((a, b) => a.cobId - b.cobId);
}

function loaded(pdos) {
  return byCobId(pdos.map(p => ({cobId: p.cobId, mapped: p.dataObjects.map(o => [o.index, o.subIndex, o.size * 8])})));
}

const root = process.argv[2];
let passed = 0;
let failed = 0;
for (const folder of fs.readdirSync(root).filter(f => f.startsWith('eds_')).sort()) {
  const eds = path.join(root, folder, 'expected.eds');
  const pdoFile = path.join(root, folder, 'PDO_CANopen.xml');
  const xml = fs.existsSync(pdoFile) ? fs.readFileSync(pdoFile, 'utf8') : '';
  const want = {
    receive: byCobId(expectedPdos(xml, 'Receive_PDO', 0x7000)),
    transmit: byCobId(expectedPdos(xml, 'Transmit_PDO', 0x7050)),
  };
  try {
    const e = Eds.fromFile(eds);
    const got = {receive: loaded(e.getReceivePdos()), transmit: loaded(e.getTransmitPdos())};
    if (JSON.stringify(got) !== JSON.stringify(want))
      throw new Error(`PDOs differ:\n  loaded   ${JSON.stringify(got)}\n  expected ${JSON.stringify(want)}`);
    if (Number(e.deviceInfo.NrOfRXPDO) !== want.receive.length || Number(e.deviceInfo.NrOfTXPDO) !== want.transmit.length)
      throw new Error('NrOfRXPDO/NrOfTXPDO differ from the rows');
    console.log(`ok ${folder}`);
    ++passed;
  } catch (error) {
    console.log(`FAILED ${folder}: ${error.message}`);
    ++failed;
  }
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 && passed > 0 ? 0 : 1);
