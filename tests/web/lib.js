// What the browser tests share: the page served from 127.0.0.1, headless
// Chromium (the system's, through puppeteer-core, with WebGL on the CPU),
// the game's boxes and console, and the canvas's pixels.
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const kTypes = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm'};

// Serves the files of `folders` (the first that has a name wins) on a free
// port of 127.0.0.1; resolves to the server, its address in `url`.
function Serve(folders) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = folders.map(folder => path.join(folder, name === '/' ? 'index.html' : name))
                        .find(file => fs.existsSync(file) && fs.statSync(file).isFile());
    if (!file) return response.writeHead(404).end();
    response.writeHead(200, {'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream'});
    fs.createReadStream(file).pipe(response);
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => {
    server.url = 'http://127.0.0.1:' + server.address().port + '/';
    resolve(server);
  }));
}

// Runs test(browser, server) with the site served and Chromium started,
// and exits 1 on any failure; the browser, the server and the profile go.
async function RunTest(folders, test) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-chromium-'));
  const server = await Serve(folders);
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: ['--headless=new', '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
  });
  let failed = false;
  try {
    await test(browser, server);
  } catch (error) {
    console.error('FAIL: ' + (error && error.stack || error));
    for (const page of pages) console.error('The page\'s console:\n  ' + page.lines.join('\n  '));
    failed = true;
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, {recursive: true, force: true});
  }
  process.exit(failed ? 1 : 0);
}

const pages = [];  // shown when a test fails

// A page of the browser at `url` whose console lines gather in page.lines;
// an uncaught error in the page fails the test.
async function OpenPage(browser, url) {
  const page = await browser.newPage();
  pages.push(page);
  page.lines = [];
  page.errors = [];
  page.on('console', message => page.lines.push(message.text()));
  page.on('pageerror', error => page.errors.push(error.message));
  await page.setViewport({width: 1000, height: 900});
  await page.goto(url);
  return page;
}

function Check(condition, text) {
  if (!condition) throw new Error(text);
}

// Waits for the console line that matches `pattern` and returns it.
async function ConsoleLine(page, pattern, seconds = 60) {
  for (let waited = 0; waited < seconds * 10; ++waited) {
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
// has closed (the next box may follow at once).
async function Answer(page, button) {
  const closed = page.evaluate(() => new Promise(resolve => {
    document.getElementById('box').addEventListener('close', resolve, {once: true});
  }));
  await page.click('#box-' + button);
  await closed;
}

// The game's view as the page shows it, at 800 x 600, as RGBA bytes.
async function ViewPixels(page) {
  await page.$eval('#stage', stage => { stage.style.width = '800px'; });
  const canvas = await page.$('#canvas');
  const png = await canvas.screenshot({encoding: 'base64'});
  return page.evaluate(async png => {
    const image = new Image();
    image.src = 'data:image/png;base64,' + png;
    await image.decode();
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, image.width, image.height).data;
    let bytes = '';
    for (let i = 0; i < data.length; i += 8192) {
      bytes += String.fromCharCode(...data.subarray(i, i + 8192));
    }
    return {width: image.width, height: image.height, rgba: btoa(bytes)};
  }, png).then(view => ({...view, rgba: Buffer.from(view.rgba, 'base64')}));
}

module.exports = {RunTest, OpenPage, Check, ConsoleLine, WaitForBox, Answer, ViewPixels};
