// The page around the game (vorbexia.js): the game's command line from the
// address's query, the boxes as modal dialogs, the canvas, full screen,
// the output, a recorded demo to download, and pictures dropped on the page.
'use strict';

// The seven pictures, by the names the game reads.
const kPictures = ['brick.bmp', 'deska.bmp', 'panel.bmp', 'niebieski.bmp', 'qq.bmp',
                   'robot.bmp', 'plasma.bmp'];
const kRecording = '/home/web_user/vorbexia.demo';
const kDroppedFolder = '/dropped';  // holds textures/ once pictures are dropped

const page = {
  stage: document.getElementById('stage'),
  status: document.getElementById('status'),
  output: document.getElementById('output'),
  download: document.getElementById('download'),
  box: document.getElementById('box'),
};

// ?seed=7&hud&replay=win.demo -> --seed 7 --hud --replay /demos/win.demo
function GameArguments(query) {
  const args = [];
  for (const [name, value] of query) {
    if (name === 'seed') args.push('--seed', value);
    if (name === 'replay' || name === 'timedemo') args.push('--' + name, '/demos/' + value);
    if (name === 'record') args.push('--record', kRecording);
    if (['hud', 'mute', 'windowed', 'fullscreen'].includes(name)) args.push('--' + name);
  }
  return args;
}

function Show(text, error) {
  (error ? console.error : console.log)(text);
  page.output.textContent += text + '\n';
}

// --- The boxes -------------------------------------------------------------

// BoxIcon's values: none, question, warning, stop, information.
const kIcons = ['', '?', '!', 'X', 'i'];
let openBox = null;  // {resolve, refusal} while a box waits for its answer

function ShowBox(caption, text, yesNo, icon) {
  console.log('box: ' + caption + ': ' + text);
  document.getElementById('box-caption').textContent = caption;
  const message = document.getElementById('box-text');
  message.textContent = text;
  message.dataset.icon = kIcons[icon] || '';
  document.getElementById('box-yes').hidden = !yesNo;
  document.getElementById('box-no').hidden = !yesNo;
  document.getElementById('box-ok').hidden = yesNo;
  const refusal = yesNo ? 2 : 0;
  return new Promise(resolve => {
    openBox = {resolve, refusal};
    page.box.returnValue = '';
    page.box.showModal();
    document.getElementById(yesNo ? 'box-yes' : 'box-ok').focus();
  });
}

// A dialog closed by a button answers with its value; Escape refuses.
page.box.addEventListener('close', () => {
  if (!openBox) return;
  const {resolve, refusal} = openBox;
  openBox = null;
  resolve(page.box.returnValue === '' ? refusal : Number(page.box.returnValue));
  const canvas = document.getElementById('canvas');
  if (canvas && !canvas.hidden) canvas.focus();
});

// --- The canvas and full screen ------------------------------------------

function CreateCanvas(width, height) {
  const canvas = document.createElement('canvas');
  canvas.id = 'canvas';
  canvas.width = width;
  canvas.height = height;
  canvas.tabIndex = 0;
  canvas.hidden = true;
  page.stage.replaceChildren(canvas);
  Module.canvas = canvas;
  return 1;
}

function ShowCanvas() {
  const canvas = document.getElementById('canvas');
  canvas.hidden = false;
  canvas.focus();
  page.status.textContent = 'Gra trwa: strzalki, spacja, Esc konczy, Tab pokazuje HUD.';
}

function RemoveCanvas() {
  const canvas = document.getElementById('canvas');
  if (!canvas) return 0;
  canvas.remove();
  return 1;
}

// 1 when the stage went full screen; 0 when the browser refused.
async function EnterFullscreen() {
  try {
    await page.stage.requestFullscreen({navigationUI: 'hide'});
    return 1;
  } catch (error) {
    console.log('full screen refused: ' + error.message);
    return 0;
  }
}

async function LeaveFullscreen() {
  if (!document.fullscreenElement) return;
  try {
    await document.exitFullscreen();
  } catch (error) {
    console.log('full screen not left: ' + error.message);
  }
}

// --- Games, one after another ---------------------------------------------

let running = false;
let restartWanted = false;

function StartGame() {
  running = true;
  restartWanted = false;
  Module.vorbexiaEndRequested = false;
  page.download.replaceChildren();
  page.status.textContent = 'Start gry...';
  Module.callMain(GameArguments(new URLSearchParams(location.search)));
}

// Called by main just before it returns: the next game starts once it has.
function GameEnded(result) {
  page.status.textContent = 'Koniec gry (kod ' + result + ').';
  console.log('vorbexia: the game ended with ' + result);
  OfferRecording();
  setTimeout(() => {
    running = false;
    if (restartWanted) StartGame();
  });
}

// A recorded game to download, in the desktop's demo format.
function OfferRecording() {
  if (!new URLSearchParams(location.search).has('record')) return;
  let bytes;
  try {
    bytes = FS.readFile(kRecording);
  } catch (error) {
    return;  // no game was recorded
  }
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], {type: 'text/plain'}));
  link.download = 'vorbexia.demo';
  link.textContent = 'Pobierz nagranie gry (vorbexia.demo, ' + bytes.length + ' B)';
  page.download.replaceChildren(link);
}

// Ends the game now running, as a close request from outside the game does:
// an open box is refused, and the loop ends at its next event.
function RestartGame() {
  restartWanted = true;
  if (!running) {
    StartGame();
    return;
  }
  Module.vorbexiaEndRequested = true;
  if (openBox) page.box.close();
}

// --- Pictures dropped on the page -------------------------------------------

// The game's seven pictures with those of `files` over them, by name
// (any case), in a folder of their own; the game then starts anew there.
async function UsePictures(files) {
  const used = [], ignored = [];
  FS.mkdirTree(kDroppedFolder + '/textures');
  for (const name of kPictures) {
    FS.writeFile(kDroppedFolder + '/textures/' + name, FS.readFile('/textures/' + name));
  }
  for (const file of files) {
    const name = file.name.toLowerCase();
    if (!kPictures.includes(name)) {
      ignored.push(file.name);
      continue;
    }
    FS.writeFile(kDroppedFolder + '/textures/' + name, new Uint8Array(await file.arrayBuffer()));
    used.push(name);
  }
  FS.chdir(kDroppedFolder);
  console.log('pictures: ' + used.join(' ') + (ignored.length ? '; ignored: ' + ignored.join(' ') : ''));
  page.status.textContent = 'Nowe obrazki: ' + (used.join(', ') || 'zadnego') +
      (ignored.length ? ' (pominiete: ' + ignored.join(', ') + ')' : '') + '.';
  RestartGame();
}

// The files of a dropped folder, at any depth.
async function FilesOfEntry(entry) {
  if (entry.isFile) return [await new Promise((ok, fail) => entry.file(ok, fail))];
  const reader = entry.createReader();
  const files = [];
  for (;;) {
    const entries = await new Promise((ok, fail) => reader.readEntries(ok, fail));
    if (entries.length === 0) return files;
    for (const child of entries) files.push(...await FilesOfEntry(child));
  }
}

document.addEventListener('dragover', event => event.preventDefault());
document.addEventListener('drop', async event => {
  event.preventDefault();
  // Folders come as entries; where the browser gives none, the files alone.
  const entries = [...event.dataTransfer.items].map(item => item.webkitGetAsEntry &&
                                                            item.webkitGetAsEntry())
                                               .filter(entry => entry);
  const files = entries.length ? [] : [...event.dataTransfer.files];
  for (const entry of entries) files.push(...await FilesOfEntry(entry));
  UsePictures(files);
});
for (const id of ['picture-files', 'picture-folder']) {
  const input = document.getElementById(id);
  input.addEventListener('change', () => UsePictures([...input.files]));
}

// --- The Emscripten module --------------------------------------------------

var Module = {
  noInitialRun: true,
  print: text => Show(text, false),
  printErr: text => Show(text, true),
  onRuntimeInitialized: StartGame,
  vorbexiaShowBox: ShowBox,
  vorbexiaCreateCanvas: CreateCanvas,
  vorbexiaShowCanvas: ShowCanvas,
  vorbexiaRemoveCanvas: RemoveCanvas,
  vorbexiaEnterFullscreen: EnterFullscreen,
  vorbexiaLeaveFullscreen: LeaveFullscreen,
  vorbexiaGameEnded: GameEnded,
  vorbexiaEndRequested: false,
};
