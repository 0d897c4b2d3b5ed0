// Formula pictures: every picture of formulas.tex, one formula per line, black on
// white, left-aligned, sized in whole pixels.
'use strict';
const fs = require('fs');
const path = require('path');
const {typeset} = require('./tex.js');

// One em of the formulas in pixels (MathJax's ex is 0.442 em, so 1 ex = 7.07 px).
const EM_PX = 16;
const UNIT = EM_PX / 1000;
const MARGIN = 4;      // white border around the formulas
const LINE_GAP = 12;   // between the descent of a line and the ascent of the next

function readFormulas(file) {
  const pictures = new Map();
  let current = null;
  for (const raw of fs.readFileSync(file, 'utf8').split('\n')) {
    const line = raw.trim();
    const header = /^%%\s*([A-Z_]+)$/.exec(line);
    if (header) {
      current = [];
      pictures.set(header[1], current);
    } else if (line && !line.startsWith('%')) {
      if (!current) throw new Error('Formula outside a picture: ' + line);
      current.push(line);
    }
  }
  return pictures;
}

function n(value) {
  return Number(value.toFixed(2)).toString();
}

function formulaPicture(lines) {
  const typeset_ = lines.map(typeset);
  let y = MARGIN;
  let width = 0;
  const groups = [];
  typeset_.forEach((t, i) => {
    if (i > 0) y += LINE_GAP;
    const baseline = y + t.ascent * UNIT;
    groups.push(`<g transform="translate(${n(MARGIN - t.left * UNIT)},${n(baseline)}) ` +
                `scale(${UNIT})">${t.body}</g>`);
    y = baseline + t.descent * UNIT;
    width = Math.max(width, t.width * UNIT);
  });
  const W = Math.ceil(width + 2 * MARGIN);
  const H = Math.ceil(y + MARGIN);
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}" ` +
         `viewBox="0 0 ${W} ${H}">\n<rect width="${W}" height="${H}" fill="#ffffff"/>\n` +
         groups.join('\n') + '\n</svg>\n';
}

function generateFormulas(sourceFile) {
  const result = new Map();
  for (const [name, lines] of readFormulas(sourceFile))
    result.set(name, formulaPicture(lines));
  return result;
}

module.exports = {generateFormulas, EM_PX};
