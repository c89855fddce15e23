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

export async function launch({ width = 1280, height = 900 } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'qav-chromium-'));
  const browser = spawn(process.env.CHROMIUM ?? '/usr/bin/chromium', [
    '--headless=new', '--remote-debugging-pipe', '--no-sandbox', '--disable-gpu', '--no-first-run',
    '--disable-extensions', '--lang=en-US', `--user-data-dir=${profile}`, 'about:blank',
  ], { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
  const pending = new Map();
  let next = 1;
  let buffer = '';
  browser.stdio[4].on('data', (chunk) => {
    buffer += chunk;
    for (let end; (end = buffer.indexOf('\0')) >= 0; buffer = buffer.slice(end + 1)) {
      const message = JSON.parse(buffer.slice(0, end));
      const waiting = pending.get(message.id);
      if (!waiting) continue;
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
  return {
    page, evaluate, settle, until,
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
