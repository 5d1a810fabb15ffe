// A broken picture chosen on the page: the game running is ended, starts
// anew with the picture, and shows the reader's box while its canvas is up,
// then, the canvas gone, "Blad w procedurze InitGL."; the page says the
// game ended, and nothing hangs.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const {RunTest, OpenPage, Check, ConsoleLine, WaitForBox, Answer} = require('./lib.js');

RunTest([process.argv[2]], async (browser, server) => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-pictures-'));
  const broken = path.join(folder, 'qq.bmp');
  fs.writeFileSync(broken, 'not a bitmap, no header at all');
  try {
    const page = await OpenPage(browser, server.url);
    await WaitForBox(page, 'Wybor trybu');
    const input = await page.$('#picture-files');
    await input.uploadFile(broken);
    // The open question is refused, the game ends and starts again.
    await ConsoleLine(page, /^vorbexia: the game ended with 0$/);
    await WaitForBox(page, 'Wybor trybu');
    await Answer(page, 'no');
    const text = await WaitForBox(page, 'Error');
    Check(text === 'Unknown DIB file format.', "the reader's box says " + text);
    Check(await page.$('#canvas') !== null, "the reader's box came without the canvas");
    await Answer(page, 'ok');
    const failure = await WaitForBox(page, 'ERROR');
    Check(failure === 'Blad w procedurze InitGL.', 'the InitGL box says ' + failure);
    Check(await page.$('#canvas') === null, 'the canvas is still there at the InitGL box');
    await Answer(page, 'ok');
    await page.waitForFunction(() => document.getElementById('status').textContent === 'Koniec gry (kod 0).');
    console.log('ok: reader box, then the InitGL box without the canvas, the game ended');
  } finally {
    fs.rmSync(folder, {recursive: true, force: true});
  }
});
