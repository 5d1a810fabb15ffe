// The boxes in the page. A broken picture chosen on the page ends the game
// running and starts it anew: the reader's box comes while the canvas is up,
// then, the canvas gone, "Blad w procedurze InitGL."; a picture past the
// graphics' largest texture the same, its box saying so. "Tak" to the mode
// question plays in full screen and leaves it at the end; where the browser
// refuses full screen the fallback question comes, and "Nie" to it ends the
// game with "Nastapi wyjscie z programu.". Each game ends; nothing hangs.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const {RunTest, OpenPage, Check, ConsoleLine, WaitForBox, Answer} = require('./lib.js');

const Ended = page => page.waitForFunction(
    () => document.getElementById('status').textContent === 'Koniec gry (kod 0).');

RunTest([process.argv[2]], async (browser, url) => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-pictures-'));
  fs.writeFileSync(path.join(folder, 'qq.bmp'), 'not a bitmap, no header at all');
  const page = await OpenPage(browser, url);
  await WaitForBox(page, 'Wybor trybu');
  await (await page.$('#picture-files')).uploadFile(path.join(folder, 'qq.bmp'));
  await ConsoleLine(page, /^vorbexia: the game ended with 0$/);  // the question refused
  await WaitForBox(page, 'Wybor trybu');
  await Answer(page, 'no');
  const text = await WaitForBox(page, 'Error');
  Check(text === 'Unknown DIB file format.', "the reader's box says " + text);
  // Only now: the page reads the chosen file in its own time.
  fs.rmSync(folder, {recursive: true});
  Check(await page.$('#canvas') !== null, "the reader's box came without the canvas");
  await Answer(page, 'ok');
  Check(await WaitForBox(page, 'ERROR') === 'Blad w procedurze InitGL.', 'no InitGL box');
  Check(await page.$('#canvas') === null, 'the canvas is still there at the InitGL box');
  await Answer(page, 'ok');
  await Ended(page);

  // A picture of 1 x 3,000,000 pixels, past the graphics' largest texture.
  const tall = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-pictures-')), 'qq.bmp');
  const bmp = Buffer.alloc(54 + 4 * 3e6);  // black, rows of 4 bytes
  bmp.write('BM');
  [[2, bmp.length], [10, 54], [14, 40], [18, 1], [22, 3e6], [26, 1 + (24 << 16)]].forEach(([at, n]) => bmp.writeUInt32LE(n, at));
  fs.writeFileSync(tall, bmp);
  await (await page.$('#picture-files')).uploadFile(tall);
  await WaitForBox(page, 'Wybor trybu');
  await Answer(page, 'no');
  const tooLarge = await WaitForBox(page, 'Error');
  Check(/^Image textures\/qq\.bmp too large for the graphics: 1 x 3000000 pixels, at most (\d+) x \1\.$/.test(tooLarge),
        "the reader's box says " + tooLarge);
  await Answer(page, 'ok');
  Check(await WaitForBox(page, 'ERROR') === 'Blad w procedurze InitGL.', 'no InitGL box after the large picture');
  await Answer(page, 'ok');
  await Ended(page);
  fs.rmSync(path.dirname(tall), {recursive: true});

  const full = await OpenPage(browser, url);
  await WaitForBox(full, 'Wybor trybu');
  await Answer(full, 'yes');
  await full.waitForSelector('#canvas:not([hidden])');
  const inFullScreen = () => full.evaluate(() => document.fullscreenElement !== null);
  Check(await inFullScreen(), 'the game is not in full screen');
  await full.keyboard.press('Escape');
  await Ended(full);
  Check(!await inFullScreen(), 'full screen not left');

  const refused = await OpenPage(browser, url, () => {
    Element.prototype.requestFullscreen = () => Promise.reject(new TypeError('refused'));
  });
  await WaitForBox(refused, 'Wybor trybu');
  await Answer(refused, 'yes');
  Check(await WaitForBox(refused, 'OpenGL') ===
        'Karta graficzna nie zadziala w pelnym ekranie.\nCzy uruchomic w oknie?', 'no fallback question');
  await Answer(refused, 'no');
  Check(await WaitForBox(refused, 'ERROR') === 'Nastapi wyjscie z programu.', 'no farewell box');
  await Answer(refused, 'ok');
  await Ended(refused);
  console.log('ok: broken picture, full screen granted and refused');
});
