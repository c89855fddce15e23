// The page's own reading of typed numbers: either decimal separator, a sign, nothing else.
//   node --test tests/web/numbers.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readDecimal } from '../../web/page/numbers.js';

test('a number typed with a comma or a point, signed or not, and what is refused', () => {
  const typed = ['2,5', '2.5', ' +2 ', '−1,5', '-0.25', ',5', '007.50', '', '2,5,1', '2 5', '1e3', '2°', '-', '.', '+-1'];
  assert.deepEqual(typed.map(readDecimal),
    ['2.5', '2.5', '2', '-1.5', '-0.25', '0.5', '7.50', '', null, null, null, null, null, null, null]);
});
