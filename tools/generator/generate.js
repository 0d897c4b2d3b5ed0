// Writes every picture of the program into resources/ and the resource file
// resources/kavorin.qrc that lists them under their type and name.
//   node generate.js            (after npm ci in this folder)
// The build never runs this; its outputs are committed.
'use strict';
const fs = require('fs');
const path = require('path');
const {generateFormulas} = require('./formulas.js');
const {generateDrafts} = require('./drafts.js');
const {artwork} = require('./artwork.js');

const resources = path.resolve(__dirname, '..', '..', 'resources');

// resource type -> folder under resources/
const folders = {
  GIF_DRAFT: 'drafts',
  GIF_FORMULA: 'formulas',
  JPG: 'backgrounds',
  BITMAP: 'glyphs',
  ICON: 'icons',
};

function writePictures(type, pictures) {
  const folder = path.join(resources, folders[type]);
  fs.mkdirSync(folder, {recursive: true});
  for (const file of fs.readdirSync(folder))
    if (file.endsWith('.svg')) fs.unlinkSync(path.join(folder, file));
  for (const [name, content] of pictures)
    fs.writeFileSync(path.join(folder, name + '.svg'), content);
}

function writeQrc(all) {
  let qrc = '<!DOCTYPE RCC>\n<!-- Written by tools/generator/generate.js -->\n<RCC version="1.0">\n';
  for (const [type, pictures] of Object.entries(all)) {
    qrc += `  <qresource prefix="/${type}">\n`;
    for (const name of [...pictures.keys()].sort())
      qrc += `    <file alias="${name}.svg">${folders[type]}/${name}.svg</file>\n`;
    qrc += '  </qresource>\n';
  }
  qrc += '</RCC>\n';
  fs.writeFileSync(path.join(resources, 'kavorin.qrc'), qrc);
}

function main() {
  const all = {
    GIF_DRAFT: generateDrafts(),
    GIF_FORMULA: generateFormulas(path.join(__dirname, 'formulas.tex')),
    ...artwork(),
  };
  for (const [type, pictures] of Object.entries(all)) writePictures(type, pictures);
  writeQrc(all);
  // The freedesktop icon is the application icon itself.
  fs.mkdirSync(path.join(resources, 'freedesktop'), {recursive: true});
  fs.writeFileSync(path.join(resources, 'freedesktop', 'kavorin.svg'), all.ICON.get('KAVORIN'));
  const count = Object.values(all).reduce((sum, pictures) => sum + pictures.size, 0);
  console.log(`${count} pictures written to ${resources}`);
}

main();
