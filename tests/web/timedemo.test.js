// bench/win.demo played by ?timedemo= in the page ends in the state that
// the desktop's headless replay (vorbexia-sim, argv[3]) gives; the figures
// and the state line are on the console and on the page, and no box shows.
'use strict';
const {execFileSync} = require('child_process');
const {RunTest, OpenPage, Check, ConsoleLine} = require('./lib.js');

RunTest([process.argv[2]], async (browser, url) => {
  const desktop = execFileSync(process.argv[3], ['--demo', 'bench/win.demo'], {encoding: 'utf8'})
                      .trim().split('\n').pop();
  const page = await OpenPage(browser, url + '?timedemo=win.demo');
  const figures = await ConsoleLine(page, /^timedemo: \d+ frames, [\d.]+ seconds, [\d.]+ fps$/, 240);
  const state = await ConsoleLine(page, new RegExp('^' + figures.split(' ')[1] + ' '));
  console.log('browser ' + figures + '\nbrowser final state: ' + state + '\ndesktop final state: ' + desktop);
  Check(state === desktop, 'the browser ends the demo elsewhere than vorbexia-sim');
  const shown = await page.$eval('#output', output => output.textContent);
  Check(shown === figures + '\n' + state + '\n', 'the page shows ' + JSON.stringify(shown));
  Check(!page.lines.some(line => line.startsWith('box: ')), 'a timedemo showed a box');
});
