// Reads a chosen or dropped file off the page's thread: a weather file of a year is a few MB and
// decoding it can take longer than a frame. The reply is the text, or the reason it is refused.
const kMiB = 1 << 20;
// The readers' own limits (bytes): larger files are refused before they are read at all.
const kMaxBytes = { epw: 64 * kMiB, md: 16 * kMiB };

// Each message is {id, file}; its reply carries the id back.
self.onmessage = async ({ data: { id, file } }) => {
  const format = /\.epw$/i.test(file.name) ? 'epw' : 'md';
  if (file.size > kMaxBytes[format]) {
    self.postMessage({ id, name: file.name, format, tooLarge: kMaxBytes[format] / kMiB });
    return;
  }
  try {
    const bytes = await file.arrayBuffer();
    let text;
    try {
      text = new TextDecoder('utf-8', { fatal: true }).decode(bytes);
    } catch {
      text = new TextDecoder('windows-1252').decode(bytes);  // older files of Windows programs
    }
    self.postMessage({ id, name: file.name, format, text });
  } catch (e) {
    self.postMessage({ id, name: file.name, format, failure: String(e && e.message ? e.message : e) });
  }
};
