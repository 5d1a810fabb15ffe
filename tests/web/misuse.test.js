// What a hostile player can give the page. A bad query is told in one line
// in the query's own terms; ?replay= and ?timedemo= take only a bundled
// demo's name, and no input is asked for. 32,000 bad settings lines bring
// the mode question within seconds, with the first warnings and a count. A game that did not start offers no recording.
'use strict';
const fs = require('fs'), os = require('os'), path = require('path');
const {RunTest, OpenPage, Check, WaitForBox, Answer} = require('./lib.js');

const Shown = page => page.$eval('#output', output => output.textContent);
const kName = 'takes only the name of a demo that comes with the page (win.demo), not ';
const kRefused = {
  '?seed=abc&hud': "?seed= takes a number from 0 to 4294967295, not 'abc'",
  '?replay=../dev/tty': '?replay= ' + kName + "'../dev/tty'",
  '?timedemo=../textures/brick.bmp': '?timedemo= ' + kName + "'../textures/brick.bmp'",
  '?replay=..%5Cwin.demo': '?replay= ' + kName + "'..\\win.demo'",
  '?replay=': '?replay= needs the name of a demo that comes with the page (win.demo)',
};

RunTest([process.argv[2]], async (browser, url) => {
  for (const [query, line] of Object.entries(kRefused)) {
    const page = await OpenPage(browser, url + query, () => { window.prompt = () => console.log('prompt'); });
    await page.waitForFunction(() => document.getElementById('status').textContent === 'Koniec gry (kod 2).');
    Check(await Shown(page) === 'vorbexia: ' + line + '\n' && !page.lines.includes('prompt'), query + ': ' + await Shown(page));
    await page.close();
  }
  const started = Date.now();
  const page = await OpenPage(browser, url + '?record', text => localStorage.setItem('vorbexia.conf', text), 'x\n'.repeat(32000));
  await WaitForBox(page, 'Wybor trybu');
  const seconds = (Date.now() - started) / 1000, shown = (await Shown(page)).split('\n');
  Check(seconds < 10 && shown.length === 22 && shown[0].includes('.conf:1: ') &&
        shown[20].endsWith(': 31980 more lines that cannot be used; not listed'),
        'after ' + seconds + ' s, the warnings shown end in ' + shown.slice(-3));
  await Answer(page, 'no');
  await page.waitForSelector('#canvas:not([hidden])');
  await page.keyboard.press('Escape');
  await page.waitForSelector('#download a', {timeout: 30000});
  const picture = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'vorbexia-')), 'qq.bmp');
  fs.writeFileSync(picture, 'not a bitmap');
  await (await page.$('#picture-files')).uploadFile(picture);
  await WaitForBox(page, 'Wybor trybu');
  await Answer(page, 'no');
  for (const caption of ['Error', 'ERROR']) await WaitForBox(page, caption).then(() => Answer(page, 'ok'));
  await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Koniec gry'));
  fs.rmSync(path.dirname(picture), {recursive: true});
  Check(await page.$eval('#download', download => download.textContent) === '', 'a game that did not start offers a recording');
});
