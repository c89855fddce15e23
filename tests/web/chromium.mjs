// A headless Chromium driven through the DevTools protocol over a pipe (no npm packages): the
// browser test and the page benchmark load the page, wait for its state and read the DOM.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

/// Serves `folder` with the page's own server on a free port; resolves to { url, stop }.
export function serve(root, folder) {
  const server = spawn('python3', [path.join(root, 'web/page/serve.py'), folder, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
  return new Promise((resolve, reject) => {
    server.on('error', reject);
    server.stdout.once('data', (line) => resolve({ url: String(line).trim(), stop: () => server.kill() }));
  });
}

export async function launch({ width = 1280, height = 900, lang = 'en-US' } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-chromium-'));
  const browser = spawn(process.env.CHROMIUM ?? '/usr/bin/chromium', [
    '--headless=new', '--remote-debugging-pipe', '--no-sandbox', '--disable-gpu', '--no-first-run',
    '--disable-extensions', `--lang=${lang}`, `--accept-lang=${lang}`, `--user-data-dir=${profile}`, 'about:blank',
  ], { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
  const pending = new Map();
  const awaited = new Map();  // event name -> the resolver of its next occurrence
  let next = 1;
  let buffer = '';
  browser.stdio[4].on('data', (chunk) => {
    buffer += chunk;
    for (let end; (end = buffer.indexOf('\0')) >= 0; buffer = buffer.slice(end + 1)) {
      const message = JSON.parse(buffer.slice(0, end));
      const waiting = pending.get(message.id);
      if (!waiting) {
        awaited.get(message.method)?.(message.params);
        awaited.delete(message.method);
        continue;
      }
      pending.delete(message.id);
      if (message.error) waiting.reject(new Error(message.error.message));
      else waiting.resolve(message.result);
    }
  });
  const send = (method, params = {}, sessionId) => new Promise((resolve, reject) => {
    const id = next++;
    pending.set(id, { resolve, reject });
    browser.stdio[3].write(JSON.stringify({ id, method, params, ...(sessionId ? { sessionId } : {}) }) + '\0');
  });
  const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
  const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
  const page = (method, params) => send(method, params, sessionId);
  await page('Page.enable');
  await page('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: 1, mobile: width < 600 });

  const evaluate = async (expression) => {
    const { result, exceptionDetails } = await page('Runtime.evaluate', { expression, returnByValue: true, awaitPromise: true });
    if (exceptionDetails) throw new Error(exceptionDetails.exception?.description ?? exceptionDetails.text);
    return result.value;
  };
  /// Waits until the page's state is one of `states` and returns it.
  const settle = async (states = ['ready', 'error'], ms = 10000) => {
    for (const end = Date.now() + ms; Date.now() < end; await new Promise((r) => setTimeout(r, 10))) {
      const state = await evaluate('document.documentElement.dataset.state ?? ""').catch(() => '');
      if (states.includes(state)) return state;
    }
    throw new Error(`the page did not reach ${states.join(' or ')}: ${await evaluate('document.body.innerText').catch(() => '?')}`);
  };
  /// Waits until `expression` is truthy in the page and returns its value.
  const until = async (expression, ms = 10000) => {
    for (const end = Date.now() + ms; Date.now() < end; await new Promise((r) => setTimeout(r, 10))) {
      const value = await evaluate(expression).catch(() => undefined);
      if (value) return value;
    }
    throw new Error(`timed out waiting for ${expression}`);
  };
  /// The parameters of the next event named `method` ('Page.fileChooserOpened').
  const nextEvent = (method) => new Promise((resolve) => awaited.set(method, resolve));
  return {
    page, evaluate, settle, until, nextEvent,
    /// A command of the browser itself, outside the page's session ('Browser.grantPermissions').
    browser: (method, params) => send(method, params),
    /// Saves the page's downloads into `folder`.
    downloadTo: (folder) => send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder }),
    /// Loads `url` afresh and waits for its state.
    async open(url) {
      await page('Page.navigate', { url: 'about:blank' });
      await page('Page.navigate', { url });
      return settle();
    },
    async setFile(selector, file) {
      const { root } = await page('DOM.getDocument', {});
      const { nodeId } = await page('DOM.querySelector', { nodeId: root.nodeId, selector });
      await page('DOM.setFileInputFiles', { nodeId, files: [file] });
    },
    /// Presses a key as a keyboard does, keyDown then keyUp: 'Tab', 'Enter', 'ArrowDown', ' '
    /// or one character (typed into the focused control); shift for Shift+Tab.
    async press(key, { shift = false } = {}) {
      const named = { Tab: [9, '', 'Tab'], Enter: [13, '\r', 'Enter'], ArrowDown: [40, '', 'ArrowDown'],
        ArrowUp: [38, '', 'ArrowUp'], Escape: [27, '', 'Escape'] }[key];
      // Punctuation has key codes of its own: '.' as its character code (46) would be Delete.
      const punctuation = { '.': 190, ',': 188, '-': 189, '+': 187 }[key];
      const [code, text, name] = named ?? [punctuation ?? key.toUpperCase().charCodeAt(0), key, ''];
      const event = { key, code: name, windowsVirtualKeyCode: code, modifiers: shift ? 8 : 0 };
      await page('Input.dispatchKeyEvent', { type: text ? 'keyDown' : 'rawKeyDown', ...event, ...(text ? { text } : {}) });
      await page('Input.dispatchKeyEvent', { type: 'keyUp', ...event });
    },
    /// Types `text` key by key into the focused control.
    async type(text) {
      for (const c of text) await this.press(c);
    },
    /// Drags files (paths) from outside the browser and drops them at (x, y) of the viewport.
    async drop(files, x = 200, y = 200) {
      const data = { items: [], files, dragOperationsMask: 1 };  // 1: copy
      for (const type of ['dragEnter', 'dragOver', 'drop']) await page('Input.dispatchDragEvent', { type, x, y, data });
    },
    async screenshot() {
      return Buffer.from((await page('Page.captureScreenshot', { format: 'png' })).data, 'base64');
    },
    close() {
      return new Promise((resolve) => {
        browser.once('exit', () => {
          // Its helper processes may still be closing files: retry, and leave the rest to the OS.
          try { fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10 }); } catch { /* a temporary folder */ }
          resolve();
        });
        browser.kill();
      });
    },
  };
}
