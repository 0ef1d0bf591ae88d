// What the publisher's scrambler needs of a player script, shared by the build
// (build.mjs, check-scrambled.mjs) and its tests.
//
// The scrambler does not parse JavaScript: it trims each line, removes the
// spaces next to the characters of OPERATORS (string literals are left as they
// are), joins the lines into one and hides the text behind percent escapes. A
// script survives that only when it has no line comment, no backtick, no
// non-ASCII character and no sign pair such as "a - -b".
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import vm from 'node:vm';

export const OPERATORS = ['=', '<', '>', '-', '+', '/', '*', ',', ';', '!', '(', ')', '{', '}'];

const here = dirname(fileURLToPath(import.meta.url));

// esbuild from the pinned npm packages of web/vendor, or from another install of them.
export function loadEsbuild(nodeModules = join(here, '..', 'vendor', 'node_modules')) {
  return createRequire(join(nodeModules, 'noop.js'))('esbuild');
}

// Splits a line into code and quoted-string pieces; an unterminated string runs to the end.
function pieces(line) {
  const out = [];
  let code = '';
  let i = 0;
  while (i < line.length) {
    const c = line[i];
    if (c !== '"' && c !== "'") {
      code += c;
      i += 1;
      continue;
    }
    if (code) out.push({ code: true, text: code });
    code = '';
    let j = i + 1;
    while (j < line.length && line[j] !== c) j += line[j] === '\\' ? 2 : 1;
    out.push({ code: false, text: line.slice(i, Math.min(j + 1, line.length)) });
    i = j + 1;
  }
  if (code) out.push({ code: true, text: code });
  return out;
}

// The scrambler's squeezing of one line. String literals stay as they are; in
// the code around them tabs become spaces, the spaces next to the operators go
// (one left-to-right pass each), runs of spaces shrink to one and the ends are
// trimmed.
export function squeezeLine(line) {
  let units = [];
  for (const p of pieces(line)) {
    if (p.code) units.push(...[...p.text].map((c) => ({ code: c === '\t' ? ' ' : c })));
    else units.push({ literal: p.text });
  }
  const is = (unit, c) => unit !== undefined && unit.code === c;
  const drop = (first, second) => {
    const out = [];
    for (let i = 0; i < units.length; i += 1) {
      const pair = is(units[i], first) && is(units[i + 1], second);
      out.push(pair && first === ' ' ? units[i + 1] : units[i]);
      if (pair) i += 1;
    }
    units = out;
  };
  for (const op of OPERATORS) {
    drop(' ', op);
    drop(op, ' ');
  }
  let out = '';
  let space = false;
  for (const unit of units) {
    if (is(unit, ' ')) {
      space = out !== '';
      continue;
    }
    out += (space ? ' ' : '') + (unit.literal ?? unit.code);
    space = false;
  }
  return out;
}

// Problems the squeezing or the hiding step would turn into broken or changed code.
export function lint(source) {
  const problems = [];
  source.split(/\r\n|\r|\n/).forEach((line, n) => {
    const where = `line ${n + 1}`;
    if (/[^\x00-\x7f]/.test(line)) problems.push(`${where}: non-ASCII character`);
    if (line.includes('`')) problems.push(`${where}: backtick`);
    let code = '';
    for (const p of pieces(line).filter((piece) => piece.code)) {
      code += p.text;
      if (/(^|[^-])-\s+-|(^|[^+])\+\s+\+/.test(p.text)) problems.push(`${where}: sign pair`);
    }
    // Inside a block comment a quote would be taken for the start of a string.
    const comment = /\/\*.*?(\*\/|$)|^\s*\*.*$/.exec(line);
    if (comment && /['"]/.test(comment[0])) problems.push(`${where}: quote inside a comment`);
    if (/(^|[^*])\/\//.test(code.replace(/\/\*.*?\*\//g, ''))) problems.push(`${where}: line comment`);
    if (code.includes('<!--')) problems.push(`${where}: HTML comment opener`);
  });
  return problems;
}

// What a browser evaluates when it loads a scrambled script: the text the
// payload hands to eval, found by running it with eval standing in.
export function unscramble(scrambled) {
  let evaluated = null;
  vm.runInNewContext(scrambled, {
    eval: (text) => {
      evaluated = text;
    },
    unescape,
  });
  if (evaluated === null) throw new Error('the script hands nothing to eval');
  return evaluated;
}

// The error a script gives when parsed as a classic script, or '' when it parses.
export function syntaxError(text) {
  try {
    new vm.Script(text);
    return '';
  } catch (error) {
    return String(error.message);
  }
}

// Whether two scripts are one program: esbuild minifies both to the same text.
export function sameProgram(esbuild, a, b) {
  const minified = (text) => esbuild.transformSync(text, { minify: true, charset: 'ascii' }).code;
  return minified(a) === minified(b);
}
