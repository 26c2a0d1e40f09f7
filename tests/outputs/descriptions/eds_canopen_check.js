// Reads EDS files with an independent EDS reader (the npm package "canopen")
// and compares every object it loads with what our writer meant to describe:
// object indexes, sub-indexes, data types, access types and default values,
// and the receive and transmit PDOs with their mappings.
// What the writer meant comes from model.json, the tables as the writer read
// them (eds_model); the object dictionary is built from it here by the EDS
// layout rules: the gateway's fixed objects, three objects per PDO and one
// manufacturer object per index of the SDO server table.
// Usage: node eds_canopen_check.js <models folder> <fixtures folder>
// Each sub-folder of the models folder holds model.json and the EDS files
// written from it; one named like a fixture also checks the fixture's
// expected.eds against the same model.
'use strict';
const fs = require('fs');
const path = require('path');
// The EDS reader alone: the package's index also loads a native CRC helper
// that is not needed here.
const {Eds} = require('canopen/source/eds');

const U8 = 0x0005, U16 = 0x0006, U32 = 0x0007, VISIBLE_STRING = 0x0009;
const VAR = 0x07, ARRAY = 0x08, RECORD = 0x09;

function hex4(n) {
  return n.toString(16).toUpperCase().padStart(4, '0');
}

// The expected dictionary: key "IIII" for a plain object, "IIII/S" for a
// sub-index; each value {objectType} or {dataType, accessType, defaultValue}.
function meant(model) {
  const objects = new Map();
  const plain = (index, dataType, accessType, defaultValue) =>
    objects.set(hex4(index), {objectType: VAR, dataType, accessType, defaultValue});
  const compound = (index, objectType, subs) => {
    objects.set(hex4(index), {objectType});
    subs.forEach(([sub, dataType, accessType, defaultValue]) =>
      objects.set(`${hex4(index)}/${sub}`, {dataType, accessType, defaultValue}));
  };

  plain(0x1000, U32, 'const', 0x000101A4);
  plain(0x1001, U8, 'ro', 0);
  plain(0x1005, U32, 'rw', 0x80000080);
  plain(0x1006, U32, 'rw', 0);
  plain(0x1008, VISIBLE_STRING, 'const', 's1');
  plain(0x1014, U32, 'ro', '$NODEID+0x80');
  compound(0x1016, ARRAY, [[0, U8, 'ro', 2], [1, U32, 'rw', 0], [2, U32, 'rw', 0]]);
  plain(0x1017, U16, 'rw', 1000);
  compound(0x1018, RECORD, [[0, U8, 'ro', 4], [1, U32, 'ro'], [2, U32, 'ro'], [3, U32, 'ro'], [4, U32, 'ro']]);
  compound(0x1029, ARRAY, [[0, U8, 'ro', 1], [1, U8, 'rw', 0]]);
  compound(0x1280, RECORD, [[0, U8, 'ro', 3], [1, U32, 'rw'], [2, U32, 'rw'], [3, U8, 'rw']]);

  const pdos = (list, communication, mapping, data, sub0Access, byteAccess) => list.forEach((pdo, i) => {
    compound(communication + i, RECORD,
             [[0, U8, 'ro', 3], [1, U32, 'rw', pdo.cobId], [2, U8, 'rw', 0xFE], [3, U16, 'rw', 0]]);
    const entries = [[0, U8, 'ro', pdo.dimension]];
    const bytes = [[0, U8, sub0Access, pdo.dimension]];
    for (let j = 1; j <= pdo.dimension; ++j) {
      entries.push([j, U32, 'ro', (data + i) * 0x10000 + j * 0x100 + 8]);
      bytes.push([j, U8, byteAccess, 0]);
    }
    compound(mapping + i, RECORD, entries);
    compound(data + i, ARRAY, bytes);
  });
  pdos(model.receive, 0x1400, 0x1600, 0x7000, 'ro', 'rww');
  pdos(model.transmit, 0x1800, 0x1A00, 0x7050, 'rw', 'rwr');

  const sizeType = size => (size === 1 ? U8 : size === 2 ? U16 : U32);
  for (const entry of model.sdo) {
    if (entry.subs.length === 0) continue;
    const subs = entry.subs.map(s => [s.sub, sizeType(s.size), s.readonly ? 'ro' : 'rw', 0]);
    if (entry.subs[0].sub !== 0) subs.unshift([0, U8, 'ro', entry.subs[entry.subs.length - 1].sub]);
    compound(entry.index, RECORD, subs);
  }
  return objects;
}

// What the reader loaded, in the same form.
function loaded(eds) {
  const objects = new Map();
  const described = o => ({dataType: o.dataType, accessType: o.accessType, defaultValue: o.defaultValue});
  for (const object of eds.values()) {
    const key = hex4(object.index);
    if (!object.subNumber) {
      objects.set(key, {objectType: object.objectType, ...described(object)});
      continue;
    }
    objects.set(key, {objectType: object.objectType});
    for (let sub = 0; sub < 256; ++sub) {
      const entry = object.at(sub);
      if (entry) objects.set(`${key}/${sub}`, described(entry));
    }
  }
  return objects;
}

function number(text) {
  const t = String(text).trim();
  if (/^0x[0-9a-f]+$/i.test(t)) return parseInt(t.slice(2), 16);
  if (/^[0-9]+$/.test(t)) return parseInt(t, 10);
  return NaN;
}

function sameDefault(want, got) {
  if (want === undefined) return got === undefined;
  if (typeof want === 'number') return number(got) === want;
  return got === want;
}

function differences(want, got) {
  const faults = [];
  for (const [key, w] of want) {
    const g = got.get(key);
    if (!g) {
      faults.push(`${key} missing`);
      continue;
    }
    if (w.objectType !== undefined && g.objectType !== w.objectType)
      faults.push(`${key} object type ${g.objectType}, meant ${w.objectType}`);
    if (w.dataType !== undefined && g.dataType !== w.dataType)
      faults.push(`${key} data type ${g.dataType}, meant ${w.dataType}`);
    if (w.accessType !== undefined && g.accessType !== w.accessType)
      faults.push(`${key} access ${g.accessType}, meant ${w.accessType}`);
    if (w.dataType !== undefined && !sameDefault(w.defaultValue, g.defaultValue))
      faults.push(`${key} default ${g.defaultValue}, meant ${w.defaultValue}`);
  }
  for (const key of got.keys())
    if (!want.has(key)) faults.push(`${key} not meant`);
  return faults;
}

// The reader lists PDOs in its own key order: compare them by COB-ID.
function pdoFaults(eds, model) {
  const byCobId = list => [...list].sort((a, b) => a.cobId - b.cobId);
  const wantList = (list, base) => byCobId(list.map((p, i) => {
    const mapped = [];
    for (let j = 1; j <= p.dimension; ++j) mapped.push([base + i, j, 8]);
    return {cobId: p.cobId, mapped};
  }));
  const gotList = list => byCobId(list.map(p => ({
    cobId: p.cobId,
    mapped: p.dataObjects.map(o => [o.index, o.subIndex, o.size * 8]),
  })));
  const faults = [];
  const want = {receive: wantList(model.receive, 0x7000), transmit: wantList(model.transmit, 0x7050)};
  const got = {receive: gotList(eds.getReceivePdos()), transmit: gotList(eds.getTransmitPdos())};
  if (JSON.stringify(got) !== JSON.stringify(want))
    faults.push(`PDOs differ:\n    loaded ${JSON.stringify(got)}\n    meant  ${JSON.stringify(want)}`);
  if (Number(eds.deviceInfo.NrOfRXPDO) !== model.receive.length ||
      Number(eds.deviceInfo.NrOfTXPDO) !== model.transmit.length)
    faults.push('NrOfRXPDO/NrOfTXPDO differ from the PDOs');
  return faults;
}

const [models, fixtures] = process.argv.slice(2);
let passed = 0;
let failed = 0;
for (const folder of fs.readdirSync(models).sort()) {
  const dir = path.join(models, folder);
  const modelFile = path.join(dir, 'model.json');
  if (!fs.existsSync(modelFile)) continue;
  const model = JSON.parse(fs.readFileSync(modelFile, 'utf8'));
  const files = fs.readdirSync(dir).filter(f => f.endsWith('.eds')).sort().map(f => path.join(dir, f));
  const fixture = path.join(fixtures, folder, 'expected.eds');
  if (fs.existsSync(fixture)) files.push(fixture);
  for (const file of files) {
    const name = path.relative(process.cwd(), file);
    let faults;
    try {
      const eds = Eds.fromFile(file);
      faults = [...differences(meant(model), loaded(eds)), ...pdoFaults(eds, model)];
    } catch (error) {
      faults = [`not read: ${error.message}`];
    }
    if (faults.length === 0) {
      console.log(`ok ${name}`);
      ++passed;
    } else {
      console.log(`FAILED ${name}:\n  ${faults.join('\n  ')}`);
      ++failed;
    }
  }
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 && passed > 0 ? 0 : 1);
