import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { PLAYER_DIR, PLAYER_SCRIPTS, compact, compactPlayerScript, lint, syntaxError } from './compact.mjs';

describe('compaction', () => {
  test('removes spaces next to operators, keeps strings, joins lines', () => {
    const source = '\tvar a = "x - y" ;\r\n\r\n  if (a != b) {  c = d  - 1; }\r\n   \t \r\nz = \'p , q\';';
    assert.equal(compact(source), 'var a="x - y"; if(a!=b){ c=d -1;} z=\'p , q\'; ');
  });

  test('keeps an escaped quote inside its string', () => {
    assert.equal(compact('s = "a \\" = b" + c;'), 's="a \\" = b"+c; ');
  });

  test('turns a sign pair into a syntax error, which the check reports', () => {
    assert.equal(compact('x = a - -b;'), 'x=a--b; ');
    assert.notEqual(syntaxError(compact('var a = 1, b = 2;\nvar x = a - -b;')), '');
    assert.deepEqual(lint('var x = a - -b;').length, 1);
  });

  test('a statement without its semicolon breaks once joined', () => {
    assert.notEqual(syntaxError(compact('var f = function () {\n    return 1;\n}\nvar g = 2;')), '');
    assert.equal(syntaxError(compact('var f = function () {\n    return 1;\n};\nvar g = 2;')), '');
  });

  test('lint finds what the hiding step or a string-blind compactor would break', () => {
    assert.match(lint('a = 1; // note').join(), /line comment/);
    assert.match(lint('a = `x`;').join(), /backtick/);
    assert.match(lint('a = "\u00e9";').join(), /non-ASCII/);
    assert.match(lint("/* it's */").join(), /quote inside a comment/);
    assert.match(lint('a = "b = c";').join(), /would change/);
    assert.deepEqual(lint('a = "b" + "c"; /* x */ d = e / f;'), []);
  });
});

describe('player scripts survive compaction', () => {
  for (const name of PLAYER_SCRIPTS) {
    test(name, () => {
      const source = readFileSync(join(PLAYER_DIR, name), 'latin1');
      assert.deepEqual(lint(source), []);
      const compacted = compactPlayerScript(name);
      assert.ok(!compacted.includes('\n'));
      assert.equal(syntaxError(compacted), '');
    });
  }
});
