// What the build checks of a player script before and after the scrambler
// squeezes and hides it (web/player/squeeze.mjs, build.mjs). Run with `node --test`.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, describe, test } from 'node:test';
import vm from 'node:vm';
import { lint, loadEsbuild, sameProgram, squeezeLine, syntaxError, unscramble } from '../../web/player/squeeze.mjs';

const PLAYER = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'web', 'player');
// The npm tools the build installed (cmake/WebBuild.cmake), else those of web/vendor.
const MODULES = process.env.TESSALY_WEB_MODULES;
const esbuild = loadEsbuild(MODULES);
const work = mkdtempSync(join(tmpdir(), 'tessaly-squeeze-'));
after(() => rmSync(work, { recursive: true, force: true }));

// The payload the scrambler writes around a script, without its decoy and white space.
function hidden(text) {
  let escaped = '';
  for (const byte of Buffer.from(text, 'latin1')) escaped += '%' + byte.toString(16).toUpperCase().padStart(2, '0');
  const markers = [['%7', '\x08'], ['%6', '\x05'], ['%5', '\x03'], ['%4', '\x02'], ['%3', '\x01'], ['%2', '\x07']];
  for (const [prefix, marker] of markers) escaped = escaped.split(prefix).join(marker);
  const undo = markers.map(([prefix, marker]) => `.replace(/${marker}/g,"${prefix}")`).join('');
  return `function unknown(){\r\n};\r\neval(unescape(("${escaped}")${undo}));\r\n`;
}

describe('squeezing', () => {
  test('removes one space on each side of an operator, trims, shrinks runs', () => {
    assert.equal(squeezeLine('   if (OS_FULL_SCREEN == 1){'), 'if(OS_FULL_SCREEN==1){');
    assert.equal(squeezeLine('   var OS_VOLUME  = 0.50;'), 'var OS_VOLUME =0.50;');
    assert.equal(squeezeLine('\ta - b'), 'a-b');
  });

  test('leaves string literals as they are, as the scrambler does', () => {
    assert.equal(squeezeLine('say( "a - b",\t\'c = d\' ) ;'), 'say("a - b",\'c = d\');');
    assert.equal(squeezeLine('return "x"'), 'return "x"');
    assert.equal(squeezeLine('a = "it\\"s , " + b'), 'a="it\\"s , "+b');
  });

  test('lint names what the squeezing or the hiding would break', () => {
    assert.match(lint('a = 1; // note').join(), /line comment/);
    assert.match(lint('a = `x`;').join(), /backtick/);
    assert.match(lint('a = "\u00e9";').join(), /non-ASCII/);
    assert.match(lint("/* it's */").join(), /quote inside a comment/);
    assert.match(lint('x = a - -b;').join(), /sign pair/);
    assert.match(lint('if(a<!--b)c();').join(), /HTML comment/);
    assert.deepEqual(lint('a = "b = c" + "- -d"; /* x */ d = e / f;'), []);
  });
});

describe('the scrambled form', () => {
  test('gives back the text the browser evaluates', () => {
    const text = 'var s="100% of \\"it\\"";window.z=s;';
    assert.equal(unscramble(hidden(text)), text);
  });

  test('a squeezed sign pair no longer parses', () => {
    assert.equal(syntaxError('var a=1,b=2,x=a- -b;'), '');
    assert.notEqual(syntaxError('var a=1,b=2,x=a--b;'), '');
  });

  test('the same program after harmless squeezing, another one after a string changed', () => {
    assert.ok(sameProgram(esbuild, 'function f(){return -1}', 'function f(){return-1}'));
    assert.ok(!sameProgram(esbuild, 'var a="b = c";', 'var a="b=c";'));
  });
});

describe('the build of a player script', () => {
  const build = (source, ...options) => {
    const file = join(work, 'source.js');
    writeFileSync(file, source);
    return spawnSync(process.execPath, [join(PLAYER, 'build.mjs'), file, join(work, 'built.js'), ...options,
      ...(MODULES ? ['--modules', MODULES] : [])], { encoding: 'utf8' });
  };

  test('fails, saying why, when the built script would not survive the scrambler', () => {
    const run = build('window.say = "a - b";\nwindow.x = 1 - -window.y;\n');
    assert.equal(run.status, 1);
    assert.match(run.stderr, /would not survive the scrambler[^]*sign pair/);
    // The string is no problem: one line names the script, one the sign pair.
    assert.equal(run.stderr.trim().split('\n').length, 2, run.stderr);
  });

  test('bundles a module for ES2017 without a backtick, and keeps a classic script\'s globals', () => {
    writeFileSync(join(work, 'part.mjs'), 'export const greet = (who) => `hi ${who ?? "you"}`;\n');
    const bundled = build('import { greet } from "./part.mjs";\nwindow.said = greet();\n', '--bundle');
    assert.equal(bundled.status, 0, bundled.stderr);
    const text = readFileSync(join(work, 'built.js'), 'utf8');
    assert.ok(!text.includes('`') && !text.includes('??'), text);
    const window = {};
    vm.runInNewContext(text, { window });
    assert.equal(window.said, 'hi you');

    const classic = build('var HotSpotItem_pos = [];\nvar posY = 0;\n');
    assert.equal(classic.status, 0, classic.stderr);
    const globals = {};
    vm.runInNewContext(readFileSync(join(work, 'built.js'), 'utf8'), globals);
    assert.deepEqual(Object.keys(globals).sort(), ['HotSpotItem_pos', 'posY']);
  });
});
