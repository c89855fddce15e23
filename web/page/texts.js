// The page's words: English in the source, Brazilian Portuguese from texts-pt_BR.json, which the
// build writes from the program's translation file, so the page and the window say the same.
let table = {};
let language = 'en';

/// "pt-BR" for any Portuguese browser language, "en" otherwise.
export const languageOf = (tag) => (/^pt\b/i.test(tag ?? '') ? 'pt-BR' : 'en');

export async function setLanguage(lang) {
  language = languageOf(lang);
  table = language === 'pt-BR' ? await (await fetch('texts-pt_BR.json')).json() : {};
  document.documentElement.lang = language;
  for (const el of document.querySelectorAll('[data-t]')) el.textContent = t(el.dataset.t);
  return language;
}

export const currentLanguage = () => language;

/// The text in the page's language, %1, %2... replaced by the arguments.
export const t = (text, ...args) => (table[text] ?? text).replace(/%(\d)/g, (m, n) => (args[n - 1] ?? m));

/// A number as qav-cli prints it, with the decimal comma in Portuguese.
export const decimal = (value) => (language === 'pt-BR' ? String(value).replace('.', ',') : String(value));

