// Drafts: line drawings of the solids with their dimensions lettered.
//
// Every solid is modelled in 3D (y up) and drawn in one orthographic view: turned by
// AZIMUTH about the vertical axis and seen from ELEVATION above. Edges of convex
// polyhedra are visible when a face next to them faces the viewer; visible edges are
// solid, hidden ones dashed. Round solids use the same view, so their circles become
// horizontal ellipses. The spherical solids are drawn as their section, a circle, with
// the solid's part shaded. The letters are typeset by MathJax (the math italic of the
// formula pictures), so no font is needed at run time.
'use strict';
const {texAt} = require('./tex.js');

const AZIMUTH = (28 * Math.PI) / 180;
const ELEVATION = (27 * Math.PI) / 180;

// Line styles in pixels.
const VISIBLE = 1.35;
const HIDDEN = 1;
const DASH = '4,2.6';
const THIN = 0.9; // radii, heights and other construction lines
const LETTER_EM = 15.5;
const SHADE = '#cfdff5';
const SHADE_EDGE = '#6f94c9';

const r2 = (v) => Number(v.toFixed(2));

// A letter over a white halo, so that it stays legible where it crosses a line.
const HALO = 2.8;
function letter(tex, x, y) {
  const options = {align: 'center', valign: 'middle'};
  const halo = texAt(tex, x, y, LETTER_EM, {...options, fill: '#ffffff'})
    .replace('stroke-width="0"', `stroke-width="${r2((HALO * 1000) / LETTER_EM)}" ` +
      'stroke-linejoin="round"');
  return halo + texAt(tex, x, y, LETTER_EM, options);
}

// ---------------------------------------------------------------------------------
// Geometry helpers (screen coordinates: x right, y down).

function project([x, y, z]) {
  const sx = x * Math.cos(AZIMUTH) + z * Math.sin(AZIMUTH);
  const depth = -x * Math.sin(AZIMUTH) + z * Math.cos(AZIMUTH);
  return [sx, -(y * Math.cos(ELEVATION) + depth * Math.sin(ELEVATION))];
}

// The direction towards the viewer, in model coordinates.
const TOWARDS_VIEWER = [
  Math.sin(AZIMUTH) * Math.cos(ELEVATION),
  Math.sin(ELEVATION),
  -Math.cos(AZIMUTH) * Math.cos(ELEVATION),
];

const sub = (a, b) => a.map((v, i) => v - b[i]);
const add = (a, b) => a.map((v, i) => v + b[i]);
const mul = (a, k) => a.map((v) => v * k);
const dot = (a, b) => a.reduce((s, v, i) => s + v * b[i], 0);
const cross = (a, b) => [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
  a[0] * b[1] - a[1] * b[0]];
const mid = (a, b) => a.map((v, i) => (v + b[i]) / 2);
const len = (a) => Math.sqrt(dot(a, a));
const unit = (a) => mul(a, 1 / len(a));

// A regular n-gon in the horizontal plane y, radius R (circumscribed), turned by phase.
function polygon(n, R, y, phase = 0, cx = 0, cz = 0) {
  const points = [];
  for (let i = 0; i < n; i++) {
    const t = phase + (2 * Math.PI * i) / n;
    points.push([cx + R * Math.cos(t), y, cz + R * Math.sin(t)]);
  }
  return points;
}

// ---------------------------------------------------------------------------------
// A draft is a list of primitives in unscaled screen coordinates; render() fits them
// into the picture and writes the SVG with pixel-exact strokes and letters.

class Draft {
  constructor() {
    this.items = [];
  }
  line(a, b, style = 'visible') {
    this.items.push({kind: 'line', a, b, style});
  }
  // A closed or open polyline.
  poly(points, {closed = true, style = 'visible', fill = null} = {}) {
    this.items.push({kind: 'poly', points, closed, style, fill});
  }
  // Part of an axis-parallel ellipse, angles t (radians) measured with y down:
  // t = 0 right, PI/2 bottom (front), -PI/2 top (back).
  arc(c, rx, ry, from, to, style = 'visible') {
    this.items.push({kind: 'arc', c, rx, ry, from, to, style});
  }
  ellipse(c, rx, ry, style = 'visible') {
    this.arc(c, rx, ry, 0, 2 * Math.PI, style);
  }
  // A shaded region: a path of segments ['M', p], ['L', p], ['E', c, rx, ry, from, to].
  region(segments, fill = SHADE) {
    this.items.push({kind: 'region', segments, fill});
  }
  dot(p) {
    this.items.push({kind: 'dot', p});
  }
  // A small right-angle mark at p between the screen directions u and v.
  rightAngle(p, u, v) {
    this.items.push({kind: 'right', p, u, v});
  }
  // A letter at p, moved by (dx, dy) pixels.
  label(tex, p, dx = 0, dy = 0) {
    this.items.push({kind: 'label', tex, p, dx, dy});
  }
  // A letter beside the segment a-b, `offset` pixels from its middle, on the side away
  // from `from` (a point of the figure), moved along the segment by `along` (0..1).
  edgeLabel(tex, a, b, from, offset = 9, along = 0.5) {
    this.items.push({kind: 'edgeLabel', tex, a, b, from, offset, along});
  }

  bounds() {
    const xs = [], ys = [];
    const take = ([x, y]) => {
      xs.push(x);
      ys.push(y);
    };
    for (const item of this.items) {
      if (item.kind === 'line') [item.a, item.b].forEach(take);
      else if (item.kind === 'poly') item.points.forEach(take);
      else if (item.kind === 'arc') {
        take([item.c[0] - item.rx, item.c[1] - item.ry]);
        take([item.c[0] + item.rx, item.c[1] + item.ry]);
      }
    }
    return {x0: Math.min(...xs), y0: Math.min(...ys), x1: Math.max(...xs), y1: Math.max(...ys)};
  }

  // margins: [top, right, bottom, left] in pixels, kept free for the letters.
  render(width, height, margins) {
    const [mt, mr, mb, ml] = margins;
    const b = this.bounds();
    const scale = Math.min((width - ml - mr) / (b.x1 - b.x0), (height - mt - mb) / (b.y1 - b.y0));
    const ox = ml + (width - ml - mr - (b.x1 - b.x0) * scale) / 2 - b.x0 * scale;
    const oy = mt + (height - mt - mb - (b.y1 - b.y0) * scale) / 2 - b.y0 * scale;
    const T = ([x, y]) => [ox + x * scale, oy + y * scale];
    const P = (p) => {
      const [x, y] = T(p);
      return `${r2(x)},${r2(y)}`;
    };
    const strokeOf = (style) => {
      switch (style) {
      case 'hidden':
        return `stroke-width="${HIDDEN}" stroke-dasharray="${DASH}"`;
      case 'thin':
        return `stroke-width="${THIN}"`;
      case 'thinHidden':
        return `stroke-width="${THIN}" stroke-dasharray="${DASH}"`;
      default:
        return `stroke-width="${VISIBLE}"`;
      }
    };
    const arcPath = (c, rx, ry, from, to, first) => {
      // split into quarter arcs so every piece is a small-arc SVG command
      const srx = rx * scale, sry = ry * scale;
      const pt = (t) => [c[0] + rx * Math.cos(t), c[1] + ry * Math.sin(t)];
      let d = first ? `M${P(pt(from))}` : `L${P(pt(from))}`;
      const steps = Math.max(1, Math.ceil(Math.abs(to - from) / (Math.PI / 2)));
      for (let i = 1; i <= steps; i++) {
        const t = from + ((to - from) * i) / steps;
        d += `A${r2(srx)},${r2(sry)} 0 0,${to > from ? 1 : 0} ${P(pt(t))}`;
      }
      return d;
    };

    const shapes = [], regions = [], labels = [];
    for (const item of this.items) {
      switch (item.kind) {
      case 'line':
        shapes.push(`<path d="M${P(item.a)}L${P(item.b)}" ${strokeOf(item.style)}/>`);
        break;
      case 'poly':
        shapes.push(`<path d="M${item.points.map(P).join('L')}${item.closed ? 'Z' : ''}" ` +
          `${strokeOf(item.style)}/>`);
        break;
      case 'arc':
        shapes.push(`<path d="${arcPath(item.c, item.rx, item.ry, item.from, item.to, true)}" ` +
          `${strokeOf(item.style)}/>`);
        break;
      case 'region': {
        let d = '';
        for (const s of item.segments) {
          if (s[0] === 'M') d += `M${P(s[1])}`;
          else if (s[0] === 'L') d += `L${P(s[1])}`;
          else if (s[0] === 'E') d += arcPath(s[1], s[2], s[3], s[4], s[5], false);
        }
        regions.push(`<path d="${d}Z" fill="${item.fill}" stroke="none"/>`);
        break;
      }
      case 'dot': {
        const [x, y] = T(item.p);
        shapes.push(`<circle cx="${r2(x)}" cy="${r2(y)}" r="1.6" fill="#000000" stroke="none"/>`);
        break;
      }
      case 'right': {
        const [x, y] = T(item.p);
        const s = 6;
        const u = unit(item.u), v = unit(item.v);
        const a = [x + u[0] * s, y + u[1] * s], c = [x + v[0] * s, y + v[1] * s];
        const m = [a[0] + v[0] * s, a[1] + v[1] * s];
        shapes.push(`<path d="M${r2(a[0])},${r2(a[1])}L${r2(m[0])},${r2(m[1])}L${r2(c[0])},` +
          `${r2(c[1])}" stroke-width="${THIN}"/>`);
        break;
      }
      case 'label': {
        const [x, y] = T(item.p);
        labels.push(letter(item.tex, x + item.dx, y + item.dy));
        break;
      }
      case 'edgeLabel': {
        const a = T(item.a), b = T(item.b), from = T(item.from);
        const m = [a[0] + (b[0] - a[0]) * item.along, a[1] + (b[1] - a[1]) * item.along];
        let n = unit([-(b[1] - a[1]), b[0] - a[0]]);
        if (dot(n, sub(m, from)) < 0) n = mul(n, -1);
        labels.push(letter(item.tex, m[0] + n[0] * item.offset, m[1] + n[1] * item.offset));
        break;
      }
      }
    }
    return `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" ` +
      `viewBox="0 0 ${width} ${height}">\n<rect width="${width}" height="${height}" ` +
      'fill="#ffffff"/>\n' + regions.join('\n') + '\n' +
      '<g fill="none" stroke="#000000" stroke-linejoin="round" stroke-linecap="round">\n' +
      shapes.join('\n') + '\n</g>\n' + labels.join('\n') + '\n</svg>\n';
  }
}

// ---------------------------------------------------------------------------------
// Convex polyhedra: faces as loops of vertex indices.

function polyhedron(draft, vertices, faces) {
  const centre = mul(vertices.reduce(add, [0, 0, 0]), 1 / vertices.length);
  const visibleFace = faces.map((face) => {
    const [a, b, c] = face.map((i) => vertices[i]);
    let normal = cross(sub(b, a), sub(c, a));
    const faceCentre = mul(face.map((i) => vertices[i]).reduce(add, [0, 0, 0]), 1 / face.length);
    if (dot(normal, sub(faceCentre, centre)) < 0) normal = mul(normal, -1);
    return dot(normal, TOWARDS_VIEWER) > 1e-9;
  });
  const edges = new Map();
  faces.forEach((face, f) => {
    face.forEach((i, k) => {
      const j = face[(k + 1) % face.length];
      const key = i < j ? `${i}-${j}` : `${j}-${i}`;
      edges.set(key, (edges.get(key) || false) || visibleFace[f]);
    });
  });
  const screen = vertices.map(project);
  // hidden edges first, so that visible ones are drawn over them
  for (const visible of [false, true])
    for (const [key, v] of edges)
      if (v === visible) {
        const [i, j] = key.split('-').map(Number);
        draft.line(screen[i], screen[j], visible ? 'visible' : 'hidden');
      }
  return screen;
}

// A prism or frustum between two horizontal polygons of the same vertex count.
function layered(draft, bottom, top) {
  const n = bottom.length;
  const vertices = [...bottom, ...top];
  const faces = [[...Array(n).keys()], [...Array(n).keys()].map((i) => n + i)];
  for (let i = 0; i < n; i++) faces.push([i, (i + 1) % n, n + ((i + 1) % n), n + i]);
  return polyhedron(draft, vertices, faces);
}

// A pyramid over a horizontal polygon.
function pyramid(draft, base, apex) {
  const n = base.length;
  const faces = [[...Array(n).keys()]];
  for (let i = 0; i < n; i++) faces.push([i, (i + 1) % n, n]);
  return polyhedron(draft, [...base, apex], faces);
}

// Whether a point of the model lies on the hidden side of a convex solid is decided per
// draft; this marks a height inside the solid (dashed) with its right angle at the foot.
function height(draft, top, foot, style = 'thinHidden') {
  const a = project(top), b = project(foot);
  draft.line(a, b, style);
  draft.dot(b);
  return [a, b];
}

// Screen ellipse of a horizontal circle.
function circleEllipse(centre, r) {
  return {c: project(centre), rx: r, ry: r * Math.sin(ELEVATION)};
}

// Angles on an ellipse where the tangents from a point straight above its centre
// (at screen height H above it) touch it: returns [left, right] angles of the arcs.
function tangentAngles(e, H) {
  const s = Math.min(1, e.ry / H);
  const t = Math.asin(-s); // upper side, slightly above the major axis
  return [Math.PI - t, t]; // left point (x < 0), right point (x > 0)
}

// ---------------------------------------------------------------------------------
// The drafts.

function cube() {
  const d = new Draft();
  const v = [[0, 0, 0], [1, 0, 0], [1, 0, 1], [0, 0, 1], [0, 1, 0], [1, 1, 0], [1, 1, 1],
    [0, 1, 1]];
  const s = polyhedron(d, v, [[0, 1, 2, 3], [4, 5, 6, 7], [0, 1, 5, 4], [1, 2, 6, 5],
    [2, 3, 7, 6], [3, 0, 4, 7]]);
  const c = project([0.5, 0.5, 0.5]);
  d.edgeLabel('a', s[0], s[1], c);
  d.edgeLabel('a', s[1], s[2], c);
  d.edgeLabel('a', s[2], s[6], c);
  return d.render(150, 138, [8, 18, 18, 8]);
}

function block() {
  const d = new Draft();
  const [A, B, C] = [1.7, 1.0, 0.95];
  const v = [[0, 0, 0], [A, 0, 0], [A, 0, B], [0, 0, B], [0, C, 0], [A, C, 0], [A, C, B],
    [0, C, B]];
  const s = polyhedron(d, v, [[0, 1, 2, 3], [4, 5, 6, 7], [0, 1, 5, 4], [1, 2, 6, 5],
    [2, 3, 7, 6], [3, 0, 4, 7]]);
  const c = project([A / 2, C / 2, B / 2]);
  d.edgeLabel('a', s[0], s[1], c);
  d.edgeLabel('b', s[1], s[2], c);
  d.edgeLabel('c', s[2], s[6], c);
  return d.render(179, 143, [8, 18, 18, 8]);
}

function sphere() {
  const d = new Draft();
  const R = 1;
  const e = circleEllipse([0, 0, 0], R);
  d.ellipse([0, 0], R, R);
  d.arc(e.c, e.rx, e.ry, Math.PI, 2 * Math.PI, 'hidden');
  d.arc(e.c, e.rx, e.ry, 0, Math.PI, 'visible');
  d.dot([0, 0]);
  const p = [R * Math.cos(-0.72), R * Math.sin(-0.72)];
  d.line([0, 0], p, 'thin');
  d.edgeLabel('r', [0, 0], p, [0.3, 0.6], 8);
  return d.render(134, 134, [6, 6, 6, 6]);
}

function roundPyramid(d, r, h, apexLabel = true) {
  // the cone over a circle of radius r at y = 0 with its apex at height h
  const e = circleEllipse([0, 0, 0], r);
  const apex = project([0, h, 0]);
  const [tl, tr] = tangentAngles(e, e.c[1] - apex[1]);
  d.arc(e.c, e.rx, e.ry, tl, tr + 2 * Math.PI, 'hidden');
  d.arc(e.c, e.rx, e.ry, tr, tl, 'visible');
  const at = (t) => [e.c[0] + e.rx * Math.cos(t), e.c[1] + e.ry * Math.sin(t)];
  d.line(apex, at(tl));
  d.line(apex, at(tr));
  return {e, apex, at};
}

function cone() {
  const d = new Draft();
  const {e, apex, at} = roundPyramid(d, 1, 2.6);
  d.line(apex, e.c, 'thinHidden');
  d.dot(e.c);
  d.rightAngle(e.c, [0, -1], [1, 0]);
  d.line(e.c, at(0), 'thinHidden');
  d.label('r', mid(e.c, at(0)), 2, 7.5);
  d.label('v', mid(apex, e.c), -8, 10);
  return d.render(119, 183, [8, 6, 6, 6]);
}

function cylinderShape(d, r, h) {
  const bottom = circleEllipse([0, 0, 0], r);
  const top = circleEllipse([0, h, 0], r);
  d.arc(bottom.c, bottom.rx, bottom.ry, Math.PI, 2 * Math.PI, 'hidden');
  d.arc(bottom.c, bottom.rx, bottom.ry, 0, Math.PI, 'visible');
  d.ellipse(top.c, top.rx, top.ry);
  d.line([bottom.c[0] - r, bottom.c[1]], [top.c[0] - r, top.c[1]]);
  d.line([bottom.c[0] + r, bottom.c[1]], [top.c[0] + r, top.c[1]]);
  return {bottom, top};
}

function cylinder() {
  const d = new Draft();
  const r = 1, h = 2.4;
  const {bottom, top} = cylinderShape(d, r, h);
  d.dot(top.c);
  d.line(top.c, [top.c[0] + r, top.c[1]], 'thin');
  d.label('r', [top.c[0] + r / 2, top.c[1]], 0, -7);
  d.edgeLabel('v', [bottom.c[0] + r, bottom.c[1]], [top.c[0] + r, top.c[1]], bottom.c, 8);
  return d.render(119, 192, [6, 16, 6, 6]);
}

function tetrahedron() {
  const d = new Draft();
  const a = 1;
  const R = a / Math.sqrt(3);
  const base = polygon(3, R, 0, TRIANGLE_PHASE);
  const h = a * Math.sqrt(2 / 3);
  const s = pyramid(d, base, [0, h, 0]);
  const c = project([0, h / 3, 0]);
  // the front edge of the base: the one whose middle is nearest to the viewer
  const front = frontEdge(base);
  d.edgeLabel('a', s[front[0]], s[front[1]], c);
  return d.render(140, 119, [6, 8, 16, 8]);
}

// Triangular bases point one vertex towards the viewer, turned a little to the right so
// that the hidden edge to the back vertex does not run along a visible one.
const TRIANGLE_PHASE = Math.PI / 2 + AZIMUTH + Math.PI + (14 * Math.PI) / 180;
// Tall solids over a triangle show one base edge in front and the back vertex a little
// to the left, so that the hidden lateral edge stays clear of the height.
const TALL_TRIANGLE_PHASE = Math.PI / 2 + AZIMUTH + (15 * Math.PI) / 180;

// The base edge nearest the viewer (largest component towards the viewer).
function frontEdge(base, rank = 0) {
  const edges = base.map((p, i) => [i, (i + 1) % base.length]);
  edges.sort((e1, e2) => dot(mid(base[e2[0]], base[e2[1]]), TOWARDS_VIEWER) -
    dot(mid(base[e1[0]], base[e1[1]]), TOWARDS_VIEWER));
  return edges[rank];
}

// A pyramid over an A x B rectangle, its sides lettered a and ASideB.
function rectangularPyramid(A, B, h, ASideB, width, height_, margins) {
  const d = new Draft();
  const base = [[0, 0, 0], [A, 0, 0], [A, 0, B], [0, 0, B]].map((p) => sub(p, [A / 2, 0, B / 2]));
  const s = pyramid(d, base, [0, h, 0]);
  height(d, [0, h, 0], [0, 0, 0]);
  const foot = project([0, 0, 0]);
  d.rightAngle(foot, [0, -1], sub(project([1, 0, 0]), foot));
  const c = project([0, h / 3, 0]);
  d.edgeLabel('a', s[0], s[1], c);
  d.edgeLabel(ASideB, s[1], s[2], c);
  d.label('v', mid(project([0, h, 0]), foot), -7, 4);
  return d.render(width, height_, margins);
}

function pyramidSquare() {
  return rectangularPyramid(1, 1, 1.45, 'a', 156, 175, [6, 16, 18, 10]);
}

function pyramidRectangle() {
  return rectangularPyramid(1.45, 0.95, 1.35, 'b', 179, 170, [6, 16, 18, 10]);
}

function pyramidTriangle() {
  const d = new Draft();
  const a = 1;
  const base = polygon(3, a / Math.sqrt(3), 0, TALL_TRIANGLE_PHASE);
  const h = 1.55;
  const s = pyramid(d, base, [0, h, 0]);
  height(d, [0, h, 0], [0, 0, 0]);
  const c = project([0, h / 3, 0]);
  const front = frontEdge(base);
  d.edgeLabel('a', s[front[0]], s[front[1]], c);
  const foot = project([0, 0, 0]);
  d.label('v', mid(project([0, h, 0]), foot), 7, 8);
  return d.render(140, 169, [6, 8, 18, 8]);
}

function pyramidNAngle() {
  const d = new Draft();
  const base = polygon(6, 1, 0, 0.3);
  const h = 2.6;
  const s = pyramid(d, base, [0, h, 0]);
  height(d, [0, h, 0], [0, 0, 0]);
  const c = project([0, h / 3, 0]);
  const front = frontEdge(base);
  d.edgeLabel('a', s[front[0]], s[front[1]], c, 9);
  // lower than halfway, where the edges leave room for the letter
  const apex = project([0, h, 0]), foot = project([0, 0, 0]);
  d.label('v', add(apex, mul(sub(foot, apex), 0.62)), -6, 0);
  const b = d.bounds();
  d.label('n = 6', [(b.x0 + b.x1) / 2, b.y1], 0, 25);
  return d.render(120, 180, [6, 8, 34, 8]);
}

function prismTriangle() {
  const d = new Draft();
  // a general triangle as the base, its longest side at the front
  const bottom = [[-0.75, 0, -0.45], [0.85, 0, -0.5], [-0.55, 0, 1.0]];
  const h = 1.8;
  const top = bottom.map((p) => add(p, [0, h, 0]));
  const s = layered(d, bottom, top);
  const c = project([0, h / 2, 0]);
  d.edgeLabel('a', s[0], s[1], c);
  d.edgeLabel('b', s[1], s[2], c, 8);
  d.edgeLabel('c', s[2], s[0], project([0.05, 0.3, -0.2]), 7);
  d.edgeLabel('v', s[1], s[4], c, 8);
  return d.render(140, 184, [6, 16, 18, 8]);
}

function prismNAngle() {
  const d = new Draft();
  const bottom = polygon(6, 1, 0, 0.3);
  const h = 1.75;
  const top = bottom.map((p) => add(p, [0, h, 0]));
  const s = layered(d, bottom, top);
  const c = project([0, h / 2, 0]);
  const front = frontEdge(bottom);
  d.edgeLabel('a', s[front[0]], s[front[1]], c);
  // the rightmost vertical edge carries the height
  let right = 0;
  s.slice(0, 6).forEach((p, i) => {
    if (p[0] > s[right][0]) right = i;
  });
  d.edgeLabel('v', s[right], s[right + 6], c, 8);
  const b = d.bounds();
  d.label('n = 6', [(b.x0 + b.x1) / 2, b.y1], 0, 25);
  return d.render(164, 173, [6, 16, 34, 8]);
}

function prismCircularRing() {
  const d = new Draft();
  const r1 = 1, r2 = 0.55, h = 2.3;
  const {bottom, top} = cylinderShape(d, r1, h);
  // the hole: its walls and bottom are hidden, its upper rim is visible
  const ib = circleEllipse([0, 0, 0], r2);
  d.arc(ib.c, ib.rx, ib.ry, 0, 2 * Math.PI, 'hidden');
  d.line([ib.c[0] - r2, ib.c[1]], [top.c[0] - r2, top.c[1]], 'hidden');
  d.line([ib.c[0] + r2, ib.c[1]], [top.c[0] + r2, top.c[1]], 'hidden');
  d.ellipse(top.c, r2, r2 * Math.sin(ELEVATION));
  d.dot(top.c);
  // radii on the top face: r1 to the right, r2 to the left
  d.line(top.c, [top.c[0] + r1, top.c[1]], 'thin');
  d.line(top.c, [top.c[0] - r2, top.c[1]], 'thin');
  d.label('r_1', [top.c[0] + r1, top.c[1]], 9, -7);
  d.label('r_2', [top.c[0] - r2 / 2, top.c[1]], 0, -7);
  d.edgeLabel('v', [bottom.c[0] + r1, bottom.c[1]], [top.c[0] + r1, top.c[1]], bottom.c, 8);
  return d.render(119, 192, [12, 18, 6, 6]);
}

function truncatedCone() {
  const d = new Draft();
  const r1 = 1, r2 = 0.55, h = 2.0;
  const bottom = circleEllipse([0, 0, 0], r1);
  const top = circleEllipse([0, h, 0], r2);
  const apexH = (h * r1) / (r1 - r2);
  const apex = project([0, apexH, 0]);
  const [bl, br] = tangentAngles(bottom, bottom.c[1] - apex[1]);
  const [tl, tr] = tangentAngles(top, top.c[1] - apex[1]);
  const at = (e, t) => [e.c[0] + e.rx * Math.cos(t), e.c[1] + e.ry * Math.sin(t)];
  d.arc(bottom.c, bottom.rx, bottom.ry, bl, br + 2 * Math.PI, 'hidden');
  d.arc(bottom.c, bottom.rx, bottom.ry, br, bl, 'visible');
  d.ellipse(top.c, top.rx, top.ry);
  d.line(at(bottom, bl), at(top, tl));
  d.line(at(bottom, br), at(top, tr));
  d.line(top.c, bottom.c, 'thinHidden');
  d.dot(top.c);
  d.dot(bottom.c);
  d.rightAngle(bottom.c, [0, -1], [1, 0]);
  d.line(top.c, at(top, 0), 'thin');
  d.line(bottom.c, at(bottom, 0), 'thinHidden');
  d.label('r_2', mid(top.c, at(top, 0)), 0, -8);
  d.label('r_1', mid(bottom.c, at(bottom, 0)), 3, 8);
  d.label('v', mid(top.c, bottom.c), -8, 0);
  return d.render(140, 187, [12, 6, 6, 6]);
}

function truncatedPyramid(bottom, top, labels, width, height_, margins, nLabel = false) {
  const d = new Draft();
  const s = layered(d, bottom, top);
  const n = bottom.length;
  const h = top[0][1];
  height(d, [0, h, 0], [0, 0, 0]);
  d.dot(project([0, h, 0]));
  const c = project([0, h / 2, 0]);
  labels(d, s, n, c, project([0, h, 0]));
  d.label('v', mid(project([0, h, 0]), project([0, 0, 0])), -7, 3);
  if (nLabel) {
    const b = d.bounds();
    d.label('n = 6', [(b.x0 + b.x1) / 2, b.y1], 0, 25);
  }
  return d.render(width, height_, margins);
}

function truncatedPyramidSquare() {
  const sq = (a, y) => [[0, 0, 0], [a, 0, 0], [a, 0, a], [0, 0, a]]
    .map((p) => [p[0] - a / 2, y, p[2] - a / 2]);
  return truncatedPyramid(sq(1.5, 0), sq(0.8, 1.35), (d, s, n, c, ct) => {
    d.edgeLabel('a_1', s[0], s[1], c, 10);
    d.edgeLabel('a_2', s[n + 2], s[n + 3], ct, 9);
  }, 156, 182, [16, 8, 18, 8]);
}

function truncatedPyramidRectangle() {
  const rect = (a, b, y) => [[0, 0, 0], [a, 0, 0], [a, 0, b], [0, 0, b]]
    .map((p) => [p[0] - a / 2, y, p[2] - b / 2]);
  return truncatedPyramid(rect(1.7, 1.05, 0), rect(0.95, 0.59, 1.15), (d, s, n, c, ct) => {
    d.edgeLabel('a_1', s[0], s[1], c, 10);
    d.edgeLabel('b_1', s[1], s[2], c, 11);
    d.edgeLabel('a_2', s[n + 2], s[n + 3], ct, 9);
    d.edgeLabel('b_2', s[n + 1], s[n + 2], ct, 10);
  }, 177, 163, [16, 18, 18, 8]);
}

function truncatedPyramidTriangle() {
  const phase = TALL_TRIANGLE_PHASE;
  const bottom = polygon(3, 1 / Math.sqrt(3), 0, phase);
  const top = polygon(3, 0.5 / Math.sqrt(3), 1.3, phase);
  return truncatedPyramid(bottom, top, (d, s, n, c, ct) => {
    const front = frontEdge(bottom);
    d.edgeLabel('a_1', s[front[0]], s[front[1]], c, 10);
    const back = frontEdge(top, 2);
    d.edgeLabel('a_2', s[n + back[0]], s[n + back[1]], ct, 9);
  }, 139, 187, [16, 8, 18, 8]);
}

function truncatedPyramidNAngle() {
  const bottom = polygon(6, 1, 0, 0.3);
  const top = polygon(6, 0.55, 1.25, 0.3);
  return truncatedPyramid(bottom, top, (d, s, n, c, ct) => {
    const front = frontEdge(bottom);
    d.edgeLabel('a_1', s[front[0]], s[front[1]], c, 10);
    const back = frontEdge(top, 5);
    d.edgeLabel('a_2', s[n + back[0]], s[n + back[1]], ct, 9);
  }, 174, 177, [16, 8, 34, 8], true);
}

// A horizontal tank lying along the x axis, filled to the level h, seen from the front
// right so that its left end shows as an ellipse and the liquid shows in front.
function cylindricalTank() {
  const d = new Draft();
  const r = 1, L = 2.7, hLevel = 0.62 * r;
  // End circles stand in vertical planes x = 0 and x = L; in this view they become
  // narrow ellipses. The tank is drawn with its own simple oblique view: ends as
  // ellipses of width k·r, the axis horizontal.
  const k = 0.38;
  const left = [0, 0], right = [L, 0];
  const top = -r, bottomY = r;
  // liquid: the segment of each end below y = r - h, and the strip between them
  const yl = r - hLevel;
  const tx = Math.acos(Math.max(-1, Math.min(1, yl / r))); // angle of the level on the end
  // points on an end ellipse, angle t from the bottom: x = c + k r sin(t), y = r cos(t)
  const onEnd = (c, t) => [c[0] + k * r * Math.sin(t), c[1] + r * Math.cos(t)];
  // shaded liquid: front half-ellipse of the right end below the level + the strip
  d.region([
    ['M', onEnd(left, -tx)],
    ['L', onEnd(right, tx)],
    ['E', right, k * r, r, Math.PI / 2 - tx, Math.PI / 2],
    ['L', [left[0], bottomY]],
    ['E', left, k * r, r, Math.PI / 2, Math.PI / 2 + tx],
  ]);
  // the level: along the tank, across the visible right end, across the hidden left end
  d.line(onEnd(left, -tx), onEnd(right, tx), 'thin');
  d.line(onEnd(right, -tx), onEnd(right, tx), 'thin');
  d.line(onEnd(left, -tx), onEnd(left, tx), 'thinHidden');
  // the tank: left end hidden half, right end whole, the two long edges
  d.arc(left, k * r, r, -Math.PI / 2, Math.PI / 2, 'hidden');
  d.arc(left, k * r, r, Math.PI / 2, (3 * Math.PI) / 2, 'visible');
  d.ellipse(right, k * r, r);
  d.line([0, top], [L, top]);
  d.line([0, bottomY], [L, bottomY]);
  // dimensions on the right end: radius r, level h; length d along the bottom
  d.dot(right);
  const rimT = Math.PI * 1.2; // towards the upper left of the end
  const rim = [right[0] + k * r * Math.sin(rimT), right[1] + r * Math.cos(rimT)];
  d.line(right, rim, 'thin');
  d.label('r', mid(right, rim), 6, -2);
  // the level as a dimension beside the tank, with extension lines to it
  const xd = L + k * r + 0.16, tick = 0.07;
  d.line([right[0], bottomY], [xd + tick, bottomY], 'thin');
  d.line(onEnd(right, tx), [xd + tick, yl], 'thin');
  d.line([xd, bottomY], [xd, yl], 'thin');
  d.label('h', [xd, (bottomY + yl) / 2], 8, 0);
  d.label('d', [L / 2, bottomY], 0, 9);
  return d.render(177, 142, [6, 16, 18, 6]);
}

// The spherical solids: the section of the sphere (a circle) with the solid shaded.
function sphericalBase(d, R) {
  d.ellipse([0, 0], R, R);
}

function chordEnds(R, y) {
  const x = Math.sqrt(R * R - y * y);
  return [[-x, y], [x, y]];
}

// Angle (y down) of a point of the circle.
const angleOf = ([x, y]) => Math.atan2(y, x);

function sphericalSegment() {
  const d = new Draft();
  const R = 1, yc = -0.35; // the cutting plane, above the centre
  const [pl, pr] = chordEnds(R, yc);
  d.region([['M', pl], ['L', pr], ['E', [0, 0], R, R, angleOf(pr), angleOf(pl)]]);
  sphericalBase(d, R);
  d.line(pl, pr);
  const foot = [0, yc], topPoint = [0, -R];
  d.line(foot, topPoint, 'thin');
  d.dot([0, 0]);
  d.line([0, 0], pl, 'thin');
  d.rightAngle(foot, [0, -1], [1, 0]);
  d.label('\\rho', mid(foot, pr), 0, 9);
  d.label('v', mid(foot, topPoint), -7, 1);
  d.label('r', mid([0, 0], pl), 4, 9);
  return d.render(134, 135, [5, 5, 5, 5]);
}

function sphericalSector() {
  const d = new Draft();
  const R = 1, yc = -0.42;
  const [pl, pr] = chordEnds(R, yc);
  d.region([['M', [0, 0]], ['L', pr], ['E', [0, 0], R, R, angleOf(pr), angleOf(pl)],
    ['L', [0, 0]]]);
  sphericalBase(d, R);
  d.line([0, 0], pl);
  d.line([0, 0], pr);
  d.line(pl, pr, 'thin');
  const foot = [0, yc], topPoint = [0, -R];
  d.line(foot, topPoint, 'thin');
  d.dot([0, 0]);
  d.rightAngle(foot, [0, -1], [1, 0]);
  d.label('\\rho', mid(foot, pr), 4, -8);
  d.label('v', mid(foot, topPoint), -7, 1);
  return d.render(134, 135, [5, 5, 5, 5]);
}

function sphericalFrustum() {
  const d = new Draft();
  const R = 1, y1 = 0.45, y2 = -0.5; // lower and upper cutting planes
  const [l1, q1] = chordEnds(R, y1);
  const [l2, q2] = chordEnds(R, y2);
  d.region([['M', l1], ['L', q1], ['E', [0, 0], R, R, angleOf(q1), angleOf(q2)], ['L', l2],
    ['E', [0, 0], R, R, angleOf(l2), angleOf(l1) - 2 * Math.PI]]);
  sphericalBase(d, R);
  d.line(l1, q1);
  d.line(l2, q2);
  const f1 = [0, y1], f2 = [0, y2];
  d.line(f1, f2, 'thin');
  d.rightAngle(f1, [0, -1], [1, 0]);
  d.rightAngle(f2, [0, 1], [1, 0]);
  d.label('\\rho_1', mid(f1, q1), 2, 9);
  d.label('\\rho_2', mid(f2, q2), 2, -9);
  d.label('v', mid(f1, f2), -7, 0);
  return d.render(134, 136, [5, 5, 5, 5]);
}

function generateDrafts() {
  return new Map([
    ['CUBE', cube()],
    ['BLOCK', block()],
    ['SPHERE', sphere()],
    ['CONE', cone()],
    ['CYLINDER', cylinder()],
    ['PYRAMID_TETRAHEDRON', tetrahedron()],
    ['PYRAMID_SQUARE', pyramidSquare()],
    ['PYRAMID_RECTANGLE', pyramidRectangle()],
    ['PYRAMID_EQUILATERALTRIANGLE', pyramidTriangle()],
    ['PYRAMID_NANGLE', pyramidNAngle()],
    ['PRISM_TRIANGLE', prismTriangle()],
    ['PRISM_NANGLE', prismNAngle()],
    ['PRISM_CIRCULARRING', prismCircularRing()],
    ['TRUNCATEDCONE', truncatedCone()],
    ['TRUNCATEDPYRAMID_SQUARE', truncatedPyramidSquare()],
    ['TRUNCATEDPYRAMID_RECTANGLE', truncatedPyramidRectangle()],
    ['TRUNCATEDPYRAMID_EQUILATERALTRIANGLE', truncatedPyramidTriangle()],
    ['TRUNCATEDPYRAMID_NANGLE', truncatedPyramidNAngle()],
    ['CYLINDRICALTANK', cylindricalTank()],
    ['SPHERICALSEGMENT', sphericalSegment()],
    ['SPHERICALSECTOR', sphericalSector()],
    ['SPHERICALFRUSTUM', sphericalFrustum()],
  ]);
}

module.exports = {generateDrafts};
