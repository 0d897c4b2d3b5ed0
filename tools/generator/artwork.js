// Glyphs, icons, backgrounds and the rho letter: drawn here as SVG.
'use strict';
const {typeset, texAt} = require('./tex.js');

const r2 = (v) => Number(v.toFixed(2));

function svg(width, height, body, viewBox = `0 0 ${width} ${height}`) {
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" ` +
    `viewBox="${viewBox}">\n${body}\n</svg>\n`;
}

function linear(id, x1, y1, x2, y2, stops) {
  return `<linearGradient id="${id}" x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}">` +
    stops.map(([o, c, a]) => `<stop offset="${o}" stop-color="${c}"` +
      (a === undefined ? '' : ` stop-opacity="${a}"`) + '/>').join('') + '</linearGradient>';
}

function radial(id, cx, cy, r, stops, fx = cx, fy = cy) {
  return `<radialGradient id="${id}" cx="${cx}" cy="${cy}" r="${r}" fx="${fx}" fy="${fy}">` +
    stops.map(([o, c, a]) => `<stop offset="${o}" stop-color="${c}"` +
      (a === undefined ? '' : ` stop-opacity="${a}"`) + '/>').join('') + '</radialGradient>';
}

// ---------------------------------------------------------------------------------
// The program's cube: an isometric cube, three shaded faces, one hidden edge dashed.
// (cx, cy) is the centre, s the edge length in pixels.
function cubePoints(cx, cy, s) {
  const dx = s * Math.cos(Math.PI / 6), dy = s / 2;
  return {
    top: [cx, cy - s], // upper back corner of the top face
    tl: [cx - dx, cy - dy], tr: [cx + dx, cy - dy], c: [cx, cy],
    bl: [cx - dx, cy + dy], br: [cx + dx, cy + dy], bottom: [cx, cy + s],
    back: [cx, cy], // the hidden corner coincides with the centre in this view
  };
}

function logoCube(cx, cy, s, id, {stroke = '#173f86', width = 1} = {}) {
  const p = cubePoints(cx, cy, s);
  const pt = (q) => `${r2(q[0])},${r2(q[1])}`;
  const defs = '<defs>' +
    linear(id + 'T', 0, 0, 1, 1, [[0, '#e6f0ff'], [1, '#9cc2f2']]) +
    linear(id + 'L', 0, 0, 1, 1, [[0, '#6fa3e8'], [1, '#2f66c4']]) +
    linear(id + 'R', 0, 0, 1, 1, [[0, '#3f78d4'], [1, '#17408f']]) + '</defs>';
  return defs +
    `<polygon points="${pt(p.top)} ${pt(p.tr)} ${pt(p.c)} ${pt(p.tl)}" fill="url(#${id}T)"/>` +
    `<polygon points="${pt(p.tl)} ${pt(p.c)} ${pt(p.bottom)} ${pt(p.bl)}" fill="url(#${id}L)"/>` +
    `<polygon points="${pt(p.c)} ${pt(p.tr)} ${pt(p.br)} ${pt(p.bottom)}" fill="url(#${id}R)"/>` +
    `<polygon points="${pt(p.top)} ${pt(p.tr)} ${pt(p.br)} ${pt(p.bottom)} ${pt(p.bl)} ${pt(p.tl)}" ` +
    `fill="none" stroke="${stroke}" stroke-width="${width}" stroke-linejoin="round"/>` +
    `<polyline points="${pt(p.tl)} ${pt(p.c)} ${pt(p.tr)}" fill="none" stroke="#ffffff" ` +
    `stroke-opacity="0.85" stroke-width="${r2(width * 0.8)}" stroke-linejoin="round"/>` +
    `<line x1="${pt(p.c).split(',')[0]}" y1="${r2(p.c[1])}" x2="${r2(p.bottom[0])}" ` +
    `y2="${r2(p.bottom[1])}" stroke="#ffffff" stroke-opacity="0.6" stroke-width="${r2(width * 0.8)}"/>`;
}

// ---------------------------------------------------------------------------------
// 16 x 16 glyphs of the computation window's buttons.

function glyphFormulas() {
  // A blue book, seen from the front, its pages showing at the right and bottom.
  return svg(16, 16, '<defs>' +
    linear('cover', 0, 0, 1, 1, [[0, '#6aa6f5'], [1, '#1c4fb0']]) + '</defs>' +
    '<path d="M3.5 2.5h11v12.5h-11z" fill="#ffffff" stroke="#5d6f8c" stroke-width="0.9"/>' +
    '<path d="M12 4v10.2M13.4 4v10.2" stroke="#b5c1d4" stroke-width="0.6"/>' +
    '<rect x="1.5" y="1" width="9.8" height="12.3" rx="1" fill="url(#cover)" stroke="#123578"/>' +
    '<rect x="1.5" y="1" width="2.2" height="12.3" rx="0.8" fill="#123578"/>' +
    '<rect x="5" y="3.6" width="4.6" height="2.2" rx="0.4" fill="#ffffff" fill-opacity="0.95"/>' +
    '<path d="M5 8h4.6" stroke="#ffffff" stroke-opacity="0.7" stroke-width="0.8"/>');
}

function glyphSupplementaryData() {
  // A small window holding a table: title bar, a header row and a grid.
  return svg(16, 16, '<defs>' +
    linear('bar', 0, 0, 0, 1, [[0, '#5d97ea'], [1, '#2456b4']]) + '</defs>' +
    '<rect x="0.5" y="1.5" width="15" height="13" rx="1.2" fill="#ffffff" stroke="#244f9e"/>' +
    '<path d="M0.5 2.7a1.2 1.2 0 0 1 1.2-1.2h12.6a1.2 1.2 0 0 1 1.2 1.2V5H0.5z" fill="url(#bar)"/>' +
    '<rect x="11.3" y="2.4" width="2.6" height="1.8" rx="0.3" fill="#ffffff" fill-opacity="0.85"/>' +
    '<rect x="2" y="6.2" width="12" height="2" fill="#dbe7f8"/>' +
    '<path d="M2 6.2h12v7H2zM2 8.2h12M2 10.5h12M7 6.2v7" fill="none" stroke="#7f97bd" ' +
    'stroke-width="0.7"/>' +
    '<path d="M3 11.5h2.8M8 11.5h4.5M3 9.3h3M8 9.3h3.5" stroke="#2b3e5c" stroke-width="0.7"/>');
}

function wrenchPath(cx, cy, R, slot, angle, handleLength, handleWidth) {
  // A wrench along the direction `angle` (radians): an open ring head at (cx, cy)
  // whose slot opens away from the handle.
  const ux = Math.cos(angle), uy = Math.sin(angle); // from the head towards the handle
  const vx = -uy, vy = ux;
  const pt = (a, b) => `${r2(cx + ux * a + vx * b)},${r2(cy + uy * a + vy * b)}`;
  const hw = handleWidth / 2, sw = slot / 2;
  const depth = R * 0.2; // how far the slot reaches past the head's centre
  // angles on the head circle where the slot and the handle meet it
  const slotX = -Math.sqrt(R * R - sw * sw);
  const handleX = Math.sqrt(R * R - hw * hw);
  const end = handleLength;
  return `M${pt(slotX, sw)} L${pt(depth, sw)} L${pt(depth, -sw)} L${pt(slotX, -sw)} ` +
    `A${R},${R} 0 0,${1} ${pt(handleX, -hw)} L${pt(end, -hw)} ` +
    `A${hw},${hw} 0 0,1 ${pt(end, hw)} L${pt(handleX, hw)} ` +
    `A${R},${R} 0 0,1 ${pt(slotX, sw)} Z`;
}

function glyphOptionsMenu() {
  // A steel wrench lying from upper left (its head) to lower right.
  const d = wrenchPath(4.7, 4.7, 4.1, 2.6, Math.PI / 4, 13.1, 3.3);
  return svg(16, 16, '<defs>' +
    linear('steel', 0, 0, 1, 1, [[0, '#d5dce6'], [0.5, '#8391a5'], [1, '#4a5668']]) + '</defs>' +
    `<path d="${d}" fill="url(#steel)" stroke="#283140" stroke-width="0.9" ` +
    'stroke-linejoin="round"/>' +
    '<circle cx="13.1" cy="13.1" r="0.75" fill="#283140"/>');
}

function glyphDraft() {
  // A magnifying glass: a light-blue lens in a dark rim and a handle to the lower right.
  return svg(16, 16, '<defs>' +
    radial('lens', 0.4, 0.35, 0.7, [[0, '#ffffff'], [1, '#9fc6f0']]) +
    linear('handle', 0, 0, 1, 1, [[0, '#8a5a2b'], [1, '#4e2f12']]) + '</defs>' +
    '<path d="M9.6 9.6l4.6 4.6" stroke="url(#handle)" stroke-width="3.2" stroke-linecap="round"/>' +
    '<path d="M9.6 9.6l1.2 1.2" stroke="#5d6b7e" stroke-width="2.6"/>' +
    '<circle cx="6.3" cy="6.3" r="4.6" fill="url(#lens)" stroke="#2a3f63" stroke-width="1.4"/>' +
    '<path d="M3.7 5.4a2.9 2.9 0 0 1 2.1-2.1" fill="none" stroke="#ffffff" stroke-width="1" ' +
    'stroke-linecap="round"/>');
}

// ---------------------------------------------------------------------------------
// 32 x 32 icons of the main window, the application icon, the about window icons.

function iconApplication() {
  // the program's cube over a soft shadow
  return svg(32, 32, '<defs>' +
    radial('appShadow', 0.5, 0.5, 0.5, [[0, '#0b2a5c', 0.35], [1, '#0b2a5c', 0]]) + '</defs>' +
    '<ellipse cx="16.5" cy="29.2" rx="13" ry="2.6" fill="url(#appShadow)"/>' +
    logoCube(16, 15.4, 13.6, 'app', {width: 1.2}));
}

function iconFormulas() {
  // An open formula book: two pages with lines of formulas, a blue cover behind.
  const root = texAt('\\sqrt{x}', 9.2, 14.6, 8, {align: 'center', fill: '#1c3f80'});
  const pi = texAt('\\pi r^2', 22.8, 14.6, 8, {align: 'center', fill: '#1c3f80'});
  return svg(32, 32, '<defs>' +
    linear('bookCover', 0, 0, 0, 1, [[0, '#4f8de6'], [1, '#1b4ba6']]) +
    linear('leftPage', 0, 0, 1, 0, [[0, '#ffffff'], [0.85, '#f1f5fb'], [1, '#d6dfec']]) +
    linear('rightPage', 0, 0, 1, 0, [[0, '#d6dfec'], [0.15, '#f1f5fb'], [1, '#ffffff']]) +
    '</defs>' +
    '<path d="M1.5 7.5Q8 5.5 16 8Q24 5.5 30.5 7.5V28Q24 26 16 28.5Q8 26 1.5 28Z" ' +
    'fill="url(#bookCover)" stroke="#143a80"/>' +
    '<path d="M2.5 5Q9 3 16 6V26.5Q9 23.8 2.5 25.5Z" fill="url(#leftPage)" stroke="#8696b0" ' +
    'stroke-width="0.8"/>' +
    '<path d="M29.5 5Q23 3 16 6V26.5Q23 23.8 29.5 25.5Z" fill="url(#rightPage)" ' +
    'stroke="#8696b0" stroke-width="0.8"/>' + root + pi +
    '<path d="M4.8 19.5Q9 18.6 13.6 19.9M4.8 22.3Q9 21.4 13.6 22.7" stroke="#9aaac3" ' +
    'stroke-width="0.8" fill="none"/>' +
    '<path d="M18.4 19.9Q23 18.6 27.2 19.5M18.4 22.7Q23 21.4 27.2 22.3" stroke="#9aaac3" ' +
    'stroke-width="0.8" fill="none"/>');
}

function gearPath(cx, cy, outer, inner, teeth, hole) {
  const points = [];
  const step = (2 * Math.PI) / teeth;
  for (let i = 0; i < teeth; i++) {
    const a = i * step - Math.PI / 2;
    const w = step * 0.22;
    for (const [angle, radius] of [[a - step / 2 + w * 0.6, inner], [a - w, outer],
      [a + w, outer], [a + step / 2 - w * 0.6, inner]])
      points.push(`${r2(cx + radius * Math.cos(angle))},${r2(cy + radius * Math.sin(angle))}`);
  }
  const ring = `M${points.join(' L')} Z`;
  const h = `M${r2(cx + hole)},${cy} A${hole},${hole} 0 1,0 ${r2(cx - hole)},${cy} ` +
    `A${hole},${hole} 0 1,0 ${r2(cx + hole)},${cy} Z`;
  return ring + ' ' + h;
}

function iconSettings() {
  // A steel gear with a blue hub, and a small second gear behind it.
  return svg(32, 32, '<defs>' +
    linear('gear', 0, 0, 1, 1, [[0, '#eef1f5'], [0.55, '#a7b2c1'], [1, '#5f6c7f']]) +
    linear('gear2', 0, 0, 1, 1, [[0, '#c7d9f3'], [1, '#5b84c4']]) +
    radial('hub', 0.4, 0.35, 0.7, [[0, '#9cc2f2'], [1, '#1f56b8']]) + '</defs>' +
    `<path d="${gearPath(23.5, 9, 7.6, 5.8, 8, 2.4)}" fill="url(#gear2)" fill-rule="evenodd" ` +
    'stroke="#2f5597" stroke-width="0.8" stroke-linejoin="round"/>' +
    `<path d="${gearPath(13.5, 18.5, 12.4, 9.6, 10, 4.6)}" fill="url(#gear)" ` +
    'fill-rule="evenodd" stroke="#3c4757" stroke-linejoin="round"/>' +
    '<circle cx="13.5" cy="18.5" r="4.6" fill="none" stroke="#3c4757" stroke-width="0.8"/>' +
    '<circle cx="13.5" cy="18.5" r="3" fill="url(#hub)" stroke="#173f86" stroke-width="0.8"/>');
}

function roundBadge(id, top, bottom, glyphTex, emPx, dy = 0) {
  const glyph = texAt(glyphTex, 16, 16.6 + dy, emPx,
    {align: 'center', valign: 'middle', fill: '#ffffff'});
  return svg(32, 32, '<defs>' +
    radial(id, 0.38, 0.3, 0.75, [[0, top], [1, bottom]]) +
    linear(id + 'Gloss', 0, 0, 0, 1, [[0, '#ffffff', 0.75], [1, '#ffffff', 0]]) + '</defs>' +
    `<circle cx="16" cy="16.5" r="14.2" fill="#000000" fill-opacity="0.12"/>` +
    `<circle cx="16" cy="16" r="14" fill="url(#${id})" stroke="#143a80" stroke-width="1"/>` +
    `<ellipse cx="16" cy="9.2" rx="10" ry="6.2" fill="url(#${id}Gloss)"/>` + glyph);
}

function iconHelp() {
  return roundBadge('help', '#7fb2f5', '#1d4fae', '\\boldsymbol{?}', 26);
}

function iconAbout() {
  return roundBadge('about', '#86d3a1', '#1f7a45', '\\mathbf{i}', 26, 0.4)
    .replace(/#143a80/g, '#17603a');
}

function iconEmail() {
  // 13 x 9: a white envelope with a blue outline.
  return svg(13, 9, '<defs>' +
    linear('env', 0, 0, 0, 1, [[0, '#ffffff'], [1, '#dfe8f5']]) + '</defs>' +
    '<rect x="0.5" y="0.5" width="12" height="8" rx="0.8" fill="url(#env)" stroke="#2b579a"/>' +
    '<path d="M0.9 1L6.5 5.3L12.1 1" fill="none" stroke="#2b579a" stroke-linejoin="round"/>' +
    '<path d="M0.9 8.2L4.8 4.3M12.1 8.2L8.2 4.3" fill="none" stroke="#8fa8cf" ' +
    'stroke-width="0.7"/>');
}

function iconHomepage() {
  // 14 x 14: a blue globe with meridians and parallels.
  return svg(14, 14, '<defs>' +
    radial('globe', 0.35, 0.3, 0.75, [[0, '#bfe0ff'], [1, '#2a6fcf']]) + '</defs>' +
    '<circle cx="7" cy="7" r="6.4" fill="url(#globe)" stroke="#1b4a94"/>' +
    '<path d="M7 0.6V13.4M0.6 7H13.4M1.6 3.8H12.4M1.6 10.2H12.4" stroke="#ffffff" ' +
    'stroke-opacity="0.8" stroke-width="0.7" fill="none"/>' +
    '<ellipse cx="7" cy="7" rx="2.8" ry="6.4" fill="none" stroke="#ffffff" stroke-opacity="0.8" ' +
    'stroke-width="0.7"/>');
}

// 7 x 12: the bold Greek rho of the entry letters (black, transparent background).
function rhoLetter() {
  const t = typeset('\\boldsymbol{\\rho}');
  // scale the glyph box (ascent + descent) to 12 px and centre it horizontally
  const scale = 11.4 / (t.ascent + t.descent);
  const width = t.width * scale;
  const x = (7 - width) / 2 - t.left * scale;
  const y = 0.3 + t.ascent * scale;
  return svg(7, 12, `<g transform="translate(${r2(x)},${r2(y)}) scale(${r2(scale * 1e5) / 1e5})">` +
    t.body + '</g>');
}

// ---------------------------------------------------------------------------------
// Backgrounds.

function cubeOutline(cx, cy, s, stroke, opacity, width) {
  // The wire frame of a cube in cabinet view, hidden edges dashed.
  const d = s * 0.45, a = Math.PI / 6;
  const ox = d * Math.cos(a), oy = -d * Math.sin(a);
  const x0 = cx - (s + ox) / 2, y0 = cy + (s - oy) / 2; // front lower left
  const P = (x, y) => `${r2(x)},${r2(y)}`;
  const f = [[x0, y0], [x0 + s, y0], [x0 + s, y0 - s], [x0, y0 - s]];
  const b = f.map(([x, y]) => [x + ox, y + oy]);
  const solid = `M${P(...f[0])}L${P(...f[1])}L${P(...f[2])}L${P(...f[3])}Z ` +
    `M${P(...f[3])}L${P(...b[3])}L${P(...b[2])}L${P(...b[1])}L${P(...f[1])} ` +
    `M${P(...f[2])}L${P(...b[2])}`;
  const hidden = `M${P(...f[0])}L${P(...b[0])}L${P(...b[1])} M${P(...b[0])}L${P(...b[3])}`;
  return `<g fill="none" stroke="${stroke}" stroke-opacity="${opacity}" stroke-width="${width}" ` +
    `stroke-linejoin="round"><path d="${solid}"/>` +
    `<path d="${hidden}" stroke-dasharray="${r2(width * 4)},${r2(width * 3)}"/></g>`;
}

function computationBackground() {
  // 390 x 312: soft blue at the top left fading to white, the faint outline of a cube.
  return svg(390, 312, '<defs>' +
    linear('sky', 0, 0, 0.75, 1, [[0, '#c9dcf4'], [0.55, '#eaf1fb'], [1, '#ffffff']]) +
    '</defs>' +
    '<rect width="390" height="312" fill="url(#sky)"/>' +
    cubeOutline(334, 118, 78, '#5b88c6', 0.22, 1.4) +
    cubeOutline(334, 118, 78, '#ffffff', 0.5, 0.5));
}

// The main window: 448 x 336 design units, drawn at 448 x 336 and at 1024 x 768.
// Its buttons (Arial 11 px bold, black) stand at
//   function row:   y 32 and y 290, x 78..168 and x 324..414; icons at x 38 and 284
//   solids:         x 34..124 (y 97..244), x 137..265 (y 113..228), x 288..416 (y 113..228)
// so the picture keeps those areas light and quiet and groups them.
function mainBackground(width, height) {
  const panel = (x, y, w, h, id) =>
    `<rect x="${x + 1}" y="${y + 2}" width="${w}" height="${h}" rx="9" fill="#0d3575" ` +
    `fill-opacity="0.07"/>` +
    `<rect x="${x}" y="${y}" width="${w}" height="${h}" rx="9" fill="url(#${id})" ` +
    `stroke="#8fb0dc" stroke-opacity="0.9"/>`;
  const body = '<defs>' +
    linear('mainSky', 0, 0, 0, 1, [[0, '#dbe8f8'], [0.45, '#f3f7fd'], [1, '#dde9f8']]) +
    linear('band', 0, 0, 1, 0, [[0, '#1f56b8', 0], [0.5, '#1f56b8', 0.45], [1, '#1f56b8', 0]]) +
    linear('panel', 0, 0, 0, 1, [[0, '#ffffff', 0.92], [1, '#f4f8fe', 0.92]]) +
    '</defs>' +
    '<rect width="448" height="336" fill="url(#mainSky)"/>' +
    // faint solids in the corners, outside every button
    cubeOutline(416, 60, 34, '#4f7fc0', 0.18, 1) +
    '<g fill="none" stroke="#4f7fc0" stroke-opacity="0.18" stroke-width="1">' +
    '<ellipse cx="432" cy="282" rx="9" ry="3"/><path d="M423 282V312M441 282V312"/>' +
    '<path d="M423 312A9 3 0 0 0 441 312"/>' +
    '<path d="M423 312A9 3 0 0 1 441 312" stroke-dasharray="3,2"/></g>' +
    // the top and bottom rows of function buttons sit between thin blue rules
    '<rect x="16" y="66" width="416" height="1.2" fill="url(#band)"/>' +
    '<rect x="16" y="268" width="416" height="1.2" fill="url(#band)"/>' +
    // the program's cube between the two upper buttons
    logoCube(226, 42, 15, 'mainLogo', {width: 1.1}) +
    // one panel per column of solids
    panel(22, 86, 114, 168, 'panel') +
    panel(136, 102, 138, 136, 'panel') +
    panel(280, 102, 146, 136, 'panel') +
    // separators halfway between the rows of buttons
    '<g fill="none" stroke="#c3d6ef" stroke-width="0.8">' +
    [122, 154, 186, 218].map((y) => `<path d="M38 ${y + 0.5}h84"/>`).join('') +
    [138, 170, 202].map((y) => `<path d="M150 ${y + 0.5}h110M294 ${y + 0.5}h118"/>`).join('') +
    '</g>';
  return svg(width, height, body, '0 0 448 336');
}

function artwork() {
  return {
    JPG: new Map([
      ['COMPUTATION_BACKGROUND', computationBackground()],
      ['MAIN_BACKGROUND448', mainBackground(448, 336)],
      ['MAIN_BACKGROUND1024', mainBackground(1024, 768)],
    ]),
    BITMAP: new Map([
      ['BTN_FORMULAS', glyphFormulas()],
      ['BTN_SUPPLEMENTARYDATA', glyphSupplementaryData()],
      ['BTN_OPTIONSMENU', glyphOptionsMenu()],
      ['BTN_DRAFT', glyphDraft()],
      ['RHO', rhoLetter()],
    ]),
    ICON: new Map([
      ['KAVORIN', iconApplication()],
      ['MAIN_FORMULAS', iconFormulas()],
      ['MAIN_SETTINGS', iconSettings()],
      ['MAIN_HELP', iconHelp()],
      ['MAIN_ABOUT', iconAbout()],
      ['ABOUT_EMAIL', iconEmail()],
      ['ABOUT_HOMEPAGE', iconHomepage()],
    ]),
  };
}

module.exports = {artwork, logoCube, cubeOutline, svg, linear, radial};
