// The page offline: loaded once, the browser offline and the server
// stopped, it reloads to the mode question and the game plays. A rebuilt
// page (another mark) comes at the next visit and is then what is kept.
'use strict';
const fs = require('fs');
const path = require('path');
const {RunTest, Serve, OpenPage, Check, WaitForBox, Answer, ViewPixels, DrawnView, Changed} = require('./lib.js');

const sleep = seconds => new Promise(resolve => setTimeout(resolve, seconds * 1000));
const Mark = page => page.$eval('meta[name="vorbexia-version"]', meta => meta.content);
// Until the worker keeps this build's files, and no other build's: its
// cache is there from the start of its install, but it serves the page
// only once the install is done.
const KeptOnly = (page, mark) => page.waitForFunction(
    cache => navigator.serviceWorker.controller?.state === 'activated' &&
             caches.keys().then(kept => kept.join() === cache), {timeout: 30000}, 'vorbexia-' + mark);

RunTest([], async browser => {
  const site = fs.mkdtempSync('/tmp/vorbexia-site-');
  fs.cpSync(process.argv[2], site, {recursive: true});
  let server = await Serve([site]);
  const url = `http://127.0.0.1:${server.address().port}/?seed=7`;
  const Offline = async () => {
    await page.setOfflineMode(true);
    server.closeAllConnections();
    server.close();
    await page.reload();
    await WaitForBox(page, 'Wybor trybu');
  };
  const page = await OpenPage(browser, url);
  await WaitForBox(page, 'Wybor trybu');
  const first = await Mark(page);
  Check(/^[0-9a-f]{12}$/.test(first), 'the build has no mark: ' + first);
  await KeptOnly(page, first);
  await Offline();
  await Answer(page, 'no');
  await page.waitForSelector('#canvas:not([hidden])');
  const start = await DrawnView(page);
  await page.keyboard.down('ArrowUp');
  await sleep(1.5);
  Check(Changed(start, await ViewPixels(page)) > 0.05, 'offline, Up did not walk');

  const second = first.replace(/^.{4}/, first.startsWith('feed') ? 'beef' : 'feed');
  for (const file of ['index.html', 'vorbexia-worker.js'].map(name => path.join(site, name))) {
    fs.writeFileSync(file, fs.readFileSync(file, 'utf8').replaceAll(first, second));
  }
  server = await Serve([site], new URL(url).port);
  await page.setOfflineMode(false);
  await page.goto(url);
  Check(await Mark(page) === second, 'the next visit got build ' + await Mark(page));
  await KeptOnly(page, second);
  await Offline();
  Check(await Mark(page) === second, 'offline, build ' + await Mark(page) + ' came back');
  console.log('build ' + first + ' played offline; build ' + second + ' replaced it');
  fs.rmSync(site, {recursive: true});
});
