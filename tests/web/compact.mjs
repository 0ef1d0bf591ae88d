// The compaction that publishing applies to every player script before it is
// hidden and eval'd: TABs become spaces, spaces next to the operator characters
// go, lines are trimmed, runs of spaces shrink to one, and the non-empty lines
// are joined into one line, each followed by a space. Quoted strings are left
// as they are.
//
// Run directly (node compact.mjs) it checks every script in web/player.

import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

export const OPERATORS = ['=', '<', '>', '-', '+', '/', '*', ',', ';', '!', '(', ')', '{', '}'];

export const PLAYER_DIR = resolve(dirname(fileURLToPath(import.meta.url)), '../../web/player');
export const PLAYER_SCRIPTS = ['cn1.js', 'cn2.js', 'cn3.js'];

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

function compactCode(text) {
  let s = text;
  for (const op of OPERATORS) {
    s = s.split(' ' + op).join(op);
    s = s.split(op + ' ').join(op);
  }
  return s;
}

export function compactLine(line) {
  const parts = pieces(line.split('\t').join(' '));
  let out = parts.map((p) => (p.code ? compactCode(p.text).replace(/ {2,}/g, ' ') : p.text)).join('');
  if (parts.length && parts[0].code) out = out.replace(/^ +/, '');
  if (parts.length && parts[parts.length - 1].code) out = out.replace(/ +$/, '');
  return out;
}

export function compact(source) {
  return source
    .split(/\r\n|\r|\n/)
    .map(compactLine)
    .filter((line) => line !== '')
    .map((line) => line + ' ')
    .join('');
}

// Problems the compaction or the hiding step would turn into broken or changed code.
export function lint(source) {
  const problems = [];
  source.split(/\r\n|\r|\n/).forEach((line, n) => {
    const where = `line ${n + 1}`;
    if (/[^\x00-\x7f]/.test(line)) problems.push(`${where}: non-ASCII character`);
    if (line.includes('`')) problems.push(`${where}: backtick`);
    let code = '';
    for (const p of pieces(line)) {
      if (p.code) {
        code += p.text;
        if (/(^|[^-])-\s+-|(^|[^+])\+\s+\+/.test(p.text)) problems.push(`${where}: sign pair`);
      }
      // A scrambler that also compacts inside strings must find nothing to change there.
      else if (compactCode(p.text.replace(/ {2,}/g, ' ')) !== p.text || p.text.includes('\t'))
        problems.push(`${where}: string ${p.text} would change if compacted`);
    }
    // Inside a block comment a quote would be taken for the start of a string.
    const comment = /\/\*.*?(\*\/|$)|^\s*\*.*$/.exec(line);
    if (comment && /['"]/.test(comment[0])) problems.push(`${where}: quote inside a comment`);
    if (/(^|[^*])\/\//.test(code.replace(/\/\*.*?\*\//g, ''))) problems.push(`${where}: line comment`);
  });
  return problems;
}

// Syntax-checks compacted text with node; returns the error output, or '' when it parses.
export function syntaxError(text) {
  const dir = mkdtempSync(join(tmpdir(), 'tessaly-compact-'));
  try {
    const file = join(dir, 'script.cjs');
    writeFileSync(file, text);
    execFileSync(process.execPath, ['--check', file], { stdio: 'pipe' });
    return '';
  } catch (e) {
    return String(e.stderr || e.message);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

export function compactPlayerScript(name) {
  return compact(readFileSync(join(PLAYER_DIR, name), 'latin1'));
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  let failed = false;
  for (const name of readdirSync(PLAYER_DIR).filter((f) => f.endsWith('.js'))) {
    const source = readFileSync(join(PLAYER_DIR, name), 'latin1');
    const problems = lint(source);
    const error = syntaxError(compact(source));
    if (error) problems.push(error.trim());
    for (const p of problems) console.error(`${name}: ${p}`);
    failed ||= problems.length > 0;
    if (!problems.length) console.log(`${name}: ok`);
  }
  process.exit(failed ? 1 : 0);
}
