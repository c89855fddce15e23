// Numbers as people type them, read by the page itself: a number field of the browser reads
// "2,5" by the browser's language, not the page's, and an English browser drops the comma and
// gives 25. Either separator is read as the decimal one, in either language: the fields hold
// small values (a warming of a few degrees), never thousands.

/// The number in `text` as qav-cli reads it ("2.5", "-1", "+0.5"), or null when `text` is not one
/// number: "2,5", "2.5", " +2 ", "−1,5" (the minus sign) and ",5" are read; "2,5,1", "2 5",
/// "1e3", "2°" are not. An empty text gives "".
export function readDecimal(text) {
  const s = String(text ?? '').trim().replace(/^\u2212/, '-');
  if (s === '') return '';
  const m = s.match(/^([+-]?)(\d*)(?:[.,](\d+))?$/);
  if (!m || (m[2] === '' && m[3] === undefined)) return null;
  const whole = (m[2] || '0').replace(/^0+(?=\d)/, '');
  return `${m[1] === '-' ? '-' : ''}${whole}${m[3] !== undefined ? '.' + m[3] : ''}`;
}
