// TeX to SVG paths with mathjax-full. Every glyph comes out as a path (fontCache
// 'none'), so the pictures need no font at run time.
'use strict';
const {mathjax} = require('mathjax-full/js/mathjax.js');
const {TeX} = require('mathjax-full/js/input/tex.js');
const {SVG} = require('mathjax-full/js/output/svg.js');
const {liteAdaptor} = require('mathjax-full/js/adaptors/liteAdaptor.js');
const {RegisterHTMLHandler} = require('mathjax-full/js/handlers/html.js');
const {AllPackages} = require('mathjax-full/js/input/tex/AllPackages.js');

const adaptor = liteAdaptor();
RegisterHTMLHandler(adaptor);
const document = mathjax.document('', {
  InputJax: new TeX({packages: AllPackages}),
  OutputJax: new SVG({fontCache: 'none'}),
});

// Typesets one formula. Returns its content in MathJax units (1000 per em), with the
// baseline at y = 0 and y pointing down: {body, left, width, ascent, descent}.
function typeset(source) {
  const node = document.convert(source, {display: true});
  const svg = adaptor.firstChild(node);
  const html = adaptor.outerHTML(svg);
  const viewBox = adaptor.getAttribute(svg, 'viewBox').split(/\s+/).map(Number);
  if (html.includes('data-mjx-error') || html.includes('merror'))
    throw new Error('TeX error in: ' + source);
  let body = adaptor.innerHTML(svg)
    .replace(/currentColor/g, '#000000')
    .replace(/ data-[a-z-]+="[^"]*"/g, '');
  body = body.replace(/<svg ([^>]*)>(.*?)<\/svg>/g, (all, attributes, inner) =>
    extenderAsRect(attributes, inner, source));
  if (/<svg/.test(body))
    throw new Error('Nested SVG (not renderable by QtSvg) in: ' + source);
  return {
    body,
    left: viewBox[0],
    width: viewBox[2],
    ascent: -viewBox[1],
    descent: viewBox[3] + viewBox[1],
  };
}

// Stretched delimiters (a tall root sign) come as a nested <svg> that clips a
// scaled extender bar to its viewBox; QtSvg renders neither nested <svg> nor
// clipping, so the clipped bar becomes the rectangle it covers.
function extenderAsRect(attributes, inner, source) {
  const attribute = (text, name) => {
    const match = new RegExp('(?:^|\\s)' + name + '="([^"]*)"').exec(text);
    return match ? match[1] : null;
  };
  const x = Number(attribute(attributes, 'x') || 0);
  const y = Number(attribute(attributes, 'y') || 0);
  const [vx, vy, vw, vh] = attribute(attributes, 'viewBox').split(/\s+/).map(Number);
  const paths = inner.match(/<path [^>]*>/g) || [];
  if (paths.length !== 1)
    throw new Error('Unexpected stretched delimiter in: ' + source);
  const d = attribute(paths[0], 'd');
  const transform = attribute(paths[0], 'transform') || '';
  const scale = /scale\(([-\d.]+),([-\d.]+)\)/.exec(transform);
  const sx = scale ? Number(scale[1]) : 1;
  const sy = scale ? Number(scale[2]) : 1;
  const xs = [], ys = [];
  for (const [, command, args] of d.matchAll(/([MLHVQTZ])([^MLHVQTZ]*)/g)) {
    const numbers = (args.match(/-?[\d.]+/g) || []).map(Number);
    if (command === 'H') xs.push(...numbers);
    else if (command === 'V') ys.push(...numbers);
    else
      for (let i = 0; i + 1 < numbers.length; i += 2) {
        xs.push(numbers[i]);
        ys.push(numbers[i + 1]);
      }
  }
  const left = Math.max(vx, Math.min(...xs) * sx), right = Math.min(vx + vw, Math.max(...xs) * sx);
  const top = Math.max(vy, Math.min(...ys) * sy), bottom = Math.min(vy + vh, Math.max(...ys) * sy);
  return `<rect x="${(x + left - vx).toFixed(1)}" y="${(y + top - vy).toFixed(1)}" ` +
    `width="${(right - left).toFixed(1)}" height="${(bottom - top).toFixed(1)}"></rect>`;
}

// Places a typeset formula in a picture: (x, y) is its anchor point, emPx its size.
// align: 'left' | 'center' | 'right'; valign: 'baseline' | 'middle' (of its box).
function texAt(source, x, y, emPx, {align = 'left', valign = 'baseline', fill = '#000000'} = {}) {
  const t = typeset(source);
  const unit = emPx / 1000;
  let left = x;
  if (align === 'center') left = x - (t.width * unit) / 2;
  else if (align === 'right') left = x - t.width * unit;
  let baseline = y;
  if (valign === 'middle') baseline = y + ((t.ascent - t.descent) * unit) / 2;
  const body = fill === '#000000' ? t.body : t.body.replace(/#000000/g, fill);
  const r = (v) => Number(v.toFixed(2));
  return `<g transform="translate(${r(left - t.left * unit)},${r(baseline)}) scale(${r(unit * 1e5) / 1e5})">` +
    body + '</g>';
}

module.exports = {typeset, texAt};
