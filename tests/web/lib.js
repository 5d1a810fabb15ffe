// What the browser tests share: the page served from 127.0.0.1, headless
// Chromium (the system's, through puppeteer-core, with WebGL on the CPU),
// the game's boxes and console, and the view's pixels.
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const kTypes = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.png': 'image/png', '.webmanifest': 'application/manifest+json'};
const pages = [];  // their consoles are shown when a test fails

// Serves the files of `folders` (the first that has the name) on a free
// port of 127.0.0.1, or on `port`.
function Serve(folders, port = 0) {
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, 'http://x').pathname.replace(/\/$/, '/index.html');
    const file = folders.map(folder => path.join(folder, decodeURIComponent(name)))
                        .find(file => fs.existsSync(file) && fs.statSync(file).isFile());
    if (!file) return response.writeHead(404).end();
    response.writeHead(200, {'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream'});
    fs.createReadStream(file).pipe(response);
  });
  return new Promise(resolve => server.listen(port, '127.0.0.1', () => resolve(server)));
}

const profiles = [];  // removed at the end of the test

// Headless Chromium with a profile of its own; with WebGL on the CPU, or
// without WebGL at all (no GPU and no SwiftShader: as a browser that offers
// none).
async function Launch({webgl = true} = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-chromium-'));
  profiles.push(profile);
  const gl = webgl ? ['--use-angle=swiftshader', '--enable-unsafe-swiftshader'] : ['--disable-webgl'];
  return puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
                           args: ['--headless=new', '--no-sandbox', ...gl]});
}

// Runs test(browser, url) with `folders` served and Chromium started; exits
// 1 on any failure. The browser, the server and the profiles go at the end.
async function RunTest(folders, test) {
  const server = await Serve(folders);
  const browser = await Launch();
  const failure = await test(browser, 'http://127.0.0.1:' + server.address().port + '/')
                            .then(() => null, error => error);
  if (failure) {
    console.error('FAIL: ' + (failure.stack || failure));
    for (const page of pages) console.error("The page's console:\n  " + page.lines.join('\n  '));
  }
  await browser.close();
  server.close();
  for (const profile of profiles) fs.rmSync(profile, {recursive: true, force: true});
  process.exit(failure ? 1 : 0);
}

// A page at `url`, `before` run in it (with `args`) before its own scripts;
// its console lines gather in page.lines, and an error in it fails
// ConsoleLine.
async function OpenPage(browser, url, before = () => {}, ...args) {
  return OpenPageIn(browser, {width: 1000, height: 500}, url, before, ...args);  // the page can scroll
}

// The same in a `viewport` of puppeteer's (a phone's, with touch).
async function OpenPageIn(browser, viewport, url, before = () => {}, ...args) {
  const page = await browser.newPage();
  pages.push(page);
  page.lines = [];
  page.errors = [];
  page.on('console', message => page.lines.push(message.text()));
  page.on('pageerror', error => page.errors.push(error.message));
  await page.evaluateOnNewDocument(before, ...args);
  await page.setViewport(viewport);
  await page.goto(url);
  return page;
}

function Check(condition, text) {
  if (!condition) throw new Error(text);
}

// Waits for the console line that matches `pattern` and returns it.
async function ConsoleLine(page, pattern, seconds = 60) {
  for (let tenths = 0; tenths < seconds * 10; ++tenths) {
    const line = page.lines.find(line => pattern.test(line));
    if (line) return line;
    Check(page.errors.length === 0, 'error in the page: ' + page.errors.join('; '));
    await new Promise(resolve => setTimeout(resolve, 100));
  }
  throw new Error('no console line like ' + pattern + ' in ' + seconds + ' s');
}

// Waits for the box with that caption; returns its text.
async function WaitForBox(page, caption) {
  await page.waitForFunction(caption => document.getElementById('box').open &&
                             document.getElementById('box-caption').textContent === caption,
                             {timeout: 60000}, caption);
  return page.$eval('#box-text', element => element.textContent);
}

// Answers the open box with its button 'yes', 'no' or 'ok'; returns once it
// has closed (the next box may open at once).
async function Answer(page, button) {
  const closed = page.evaluate(() => new Promise(resolve => {
    document.getElementById('box').addEventListener('close', resolve, {once: true});
  }));
  await page.click('#box-' + button);
  await closed;
}

// The game's view as the page shows it, 800 x 600: {width, height, rgba}.
async function ViewPixels(page) {
  await page.$eval('#stage', stage => { stage.style.width = '800px'; });
  const png = await (await page.$('#canvas')).screenshot({encoding: 'base64'});
  const view = await page.evaluate(async png => {
    const image = new Image();
    image.src = 'data:image/png;base64,' + png;
    await image.decode();
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, image.width, image.height).data;
    let bytes = '';
    for (let i = 0; i < data.length; i += 8192) bytes += String.fromCharCode(...data.subarray(i, i + 8192));
    return {width: image.width, height: image.height, rgba: btoa(bytes)};
  }, png);
  return {...view, rgba: Buffer.from(view.rgba, 'base64')};
}

// The view once the game has drawn the maze into it (a tenth of its pixels
// lit above 16 levels; the first frames may still be black), within 10 s.
async function DrawnView(page) {
  for (const end = Date.now() + 10000; ;) {
    const view = await ViewPixels(page);
    let lit = 0;
    for (let i = 0; i < view.rgba.length; i += 4) lit += view.rgba[i] + view.rgba[i + 1] + view.rgba[i + 2] > 48;
    if (lit * 40 > view.rgba.length) return view;
    if (Date.now() > end) throw new Error('the game drew no maze within 10 s');
  }
}

// The share of the pixels that differ by more than 8 levels in a channel.
function Changed(a, b) {
  let changed = 0;
  for (let i = 0; i < a.rgba.length; i += 4) {
    changed += [0, 1, 2].some(c => Math.abs(a.rgba[i + c] - b.rgba[i + c]) > 8) * 4 / a.rgba.length;
  }
  return changed;
}

module.exports = {RunTest, Serve, Launch, OpenPage, OpenPageIn, Check, ConsoleLine, WaitForBox, Answer, ViewPixels, DrawnView, Changed};
