// The golden views (tests/render/golden, drawn by the desktop's fixed-function
// OpenGL on llvmpipe) drawn by the same renderer through the fixed-function
// layer on the browser's WebGL: at least 99 % of each view's pixels within
// 8 levels per channel.
'use strict';
const {RunTest, OpenPage, Check, ConsoleLine} = require('./lib.js');

RunTest(process.argv.slice(2), async (browser, server) => {
  const page = await OpenPage(browser, server.url + 'golden.html');
  await ConsoleLine(page, /^golden: done$/, 120);
  const views = page.lines.filter(line => /^golden \w+: /.test(line));
  console.log(views.join('\n'));
  Check(views.length === 4, 'four views wanted');
  for (const line of views) {
    const share = /: ([\d.]+) % of pixels within 8 levels$/.exec(line);
    Check(share && Number(share[1]) >= 99, line);
  }
});
