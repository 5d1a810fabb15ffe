// tools/bench-web's driver: the bench page (bench/web/bench.html) and the
// game's own page with ?timedemo=win.demo, one after the other in headless
// Chromium, served from 127.0.0.1 with the browser tests' helpers
// (tests/web/lib.js). argv: the drawing ('reference' or 'fast'), then the
// folders to serve (the game's build/web first).
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const {Serve, OpenPage, ConsoleLine} = require('../tests/web/lib.js');

const [drawing, ...folders] = process.argv.slice(2);
const reference = drawing === 'reference';

// The value of the page's `name value` line.
function Figure(page, name) {
  const line = page.lines.find(line => line.startsWith(name + ' '));
  if (!line) throw new Error('the bench page printed no ' + name);
  return Number(line.split(' ')[1]);
}

// The figures, in the order they are printed; the pages' work one at a time
// so that neither measures the other.
async function Measure(browser, url) {
  const bench = await OpenPage(browser, url + 'bench.html' + (reference ? '?reference' : ''));
  const end = await ConsoleLine(bench, /^(scene_to_fill_ratio |vorbexia: )/, 900);
  if (end.startsWith('vorbexia: ')) throw new Error('the bench page: ' + end.slice(10));
  if (!bench.lines.includes('drawing ' + drawing)) throw new Error('the bench page drew otherwise');
  const figures = ['fill_frame_ms_median', 'scene_frame_ms_median', 'scene_to_fill_ratio']
                      .map(name => [name, Figure(bench, name)]);
  await bench.close();

  // The game's page draws the reference way when told so before its scripts run.
  const game = await OpenPage(browser, url + '?timedemo=win.demo',
                              reference => { if (reference) globalThis.vorbexiaReferenceDrawing = true; },
                              reference);
  const line = await ConsoleLine(game, /^timedemo: \d+ frames, [\d.]+ seconds, [\d.]+ fps$/, 600);
  figures.push(['timedemo_fps', Number(line.split(' ')[5])]);
  await game.close();
  return figures;
}

async function Main() {
  const server = await Serve(folders);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-chromium-'));
  let browser = null;
  try {
    // As the browser tests start it: WebGL on the CPU.
    browser = await puppeteer.launch({
        executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
        args: ['--headless=new', '--no-sandbox', '--use-angle=swiftshader',
               '--enable-unsafe-swiftshader']});
    const figures = await Measure(browser, 'http://127.0.0.1:' + server.address().port + '/');
    for (const [name, value] of figures) console.log(name + ' ' + value.toFixed(3));
    return 0;
  } catch (error) {
    console.error('vorbexia: tools/bench-web: ' + (error.message || error));
    return 1;
  } finally {
    if (browser) await browser.close();
    server.close();
    fs.rmSync(profile, {recursive: true, force: true});
  }
}

Main().then(code => process.exit(code));
