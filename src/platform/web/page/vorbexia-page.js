// The page around the game (vorbexia.js): the game's command line from the
// address's query, the player's settings kept in the browser, the boxes as
// modal dialogs, the canvas, full screen, the pointer lock for turning by
// mouse, the touch controls of phones, the output, a recorded demo and the
// screenshots to download, pictures dropped on the page, and the worker
// that keeps the page for playing offline.
'use strict';

// The seven pictures, by the names the game reads.
const kPictures = ['brick.bmp', 'deska.bmp', 'panel.bmp', 'niebieski.bmp', 'qq.bmp',
                   'robot.bmp', 'plasma.bmp'];
const kRecording = '/home/web_user/vorbexia.demo';
const kDroppedFolder = '/dropped';  // holds textures/ once pictures are dropped
// The settings file in the game's file system (web_folders.cpp), and its
// text's key in the browser's local storage.
const kSettingsFile = '/settings/vorbexia.conf';
const kSettingsKey = 'vorbexia.conf';
// The best time the game keeps beside its settings (web_folders.cpp).
const kBestTimeFile = '/settings/best-time';
const kBestTimeKey = 'vorbexia.best-time';
// The line by which the game names a screenshot it wrote (on stderr).
const kScreenshotLine = /^vorbexia: screenshot (\/screenshots\/[^/]+\.(png|bmp))$/;

// --- The page's texts ---------------------------------------------------------

// Each text of the page in plain Polish, as the game speaks, with its English
// twin beside it; `vorbexia.language` in the browser's local storage picks
// one ('pl' unless it says 'en'). A text with blanks to fill is a function.
const kTexts = {
  loading: {pl: 'Wczytywanie...', en: 'Loading...'},
  intro: {
    pl: 'Labirynt, piec robotow i dzialo plazmowe. Zniszcz wszystkie roboty: kazdy pada po ' +
        'trzech trafieniach. Roboty nie strzelaja, wiec nie mozna przegrac, tylko wygrac ' +
        'predzej lub pozniej.',
    en: 'A maze, five robots and a plasma gun. Destroy every robot: each falls after three ' +
        'hits. The robots never shoot, so you cannot lose, only win sooner or later.',
  },
  howToPlay: {pl: 'Jak grac', en: 'How to play'},
  howFocus: {
    pl: 'Kliknij obraz gry (albo odpowiedz na jej pytanie), aby dac jej klawiature.',
    en: 'Click the game\'s picture (or answer its question) to give it the keyboard.',
  },
  keyArrows: {pl: 'Strzalki, W A S D', en: 'Arrows, W A S D'},
  doArrows: {
    pl: 'naprzod, wstecz, obrot w lewo i w prawo (W A S D z ustawieniem keys = wasd)',
    en: 'walk forward and back, turn left and right (W A S D with the setting keys = wasd)',
  },
  keySpace: {pl: 'Spacja', en: 'Space'},
  doSpace: {pl: 'strzal plazma (jeden naraz)', en: 'fire the plasma shot (one at a time)'},
  doEsc: {pl: 'koniec gry', en: 'end the game'},
  doP: {pl: 'pauza; kazdy klawisz gry wznawia', en: 'pause; any of the game\'s keys resumes'},
  doF1: {pl: 'klawisze na obrazie', en: 'the keys over the picture'},
  doF12: {pl: 'zrzut ekranu do pobrania pod gra', en: 'a screenshot to download below the game'},
  doAltEnter: {pl: 'pelny ekran i z powrotem', en: 'full screen and back'},
  doTab: {pl: 'HUD: celownik, liczba robotow i czas gry', en: 'the HUD: crosshair, robots left and time played'},
  keyMouse: {pl: 'Mysz', en: 'Mouse'},
  doMouse: {
    pl: 'obrot, z ustawieniem mouse = on, gdy kliknieto obraz gry',
    en: 'turns, with the setting mouse = on, once the picture is clicked',
  },
  keyTouch: {pl: 'Dotyk', en: 'Touch'},
  doTouch: {
    pl: 'krzyzyk po lewej chodzi i obraca (palec mozna przesuwac), Strzal strzela, ' +
        'Pauza otwiera menu, ramka w rogu to pelny ekran',
    en: 'the cross on the left walks and turns (slide your finger), Fire fires, ' +
        'Pause opens the menu, the frame in the corner is full screen',
  },
  touchFire: {pl: 'Strzal', en: 'Fire'},
  touchPause: {pl: 'Pauza', en: 'Pause'},
  touchFullscreen: {pl: 'Pelny ekran', en: 'Full screen'},
  turnDevice: {pl: 'Obroc telefon poziomo, aby grac.', en: 'Turn your phone sideways to play.'},
  playingTouch: {
    pl: 'Gra trwa: krzyzyk chodzi i obraca, Strzal strzela, Pauza otwiera menu.',
    en: 'Game on: the cross walks and turns, Fire fires, Pause opens the menu.',
  },
  keyPad: {pl: 'Pad', en: 'Pad'},
  doPad: {
    pl: 'krzyzak lub lewa galka jak strzalki, A lub prawy spust strzela, Start lub Back konczy',
    en: 'the d-pad or left stick as the arrows, A or the right trigger fires, Start or Back ends',
  },
  starting: {pl: 'Start gry...', en: 'Starting the game...'},
  playing: {
    pl: 'Gra trwa: strzalki, spacja, Esc konczy, Tab pokazuje HUD, ' +
        'P pauza, F1 klawisze, F12 zrzut ekranu, Alt+Enter pelny ekran.',
    en: 'Game on: arrows, Space, Esc ends, Tab shows the HUD, ' +
        'P pause, F1 keys, F12 screenshot, Alt+Enter full screen.',
  },
  waiting: {pl: 'Gra czeka na odpowiedz w okienku.', en: 'The game waits for an answer in its box.'},
  ending: {pl: 'Gra sie konczy...', en: 'The game is ending...'},
  ended: {pl: code => `Koniec gry (kod ${code}).`, en: code => `Game over (code ${code}).`},
  playAgain: {pl: 'Zagraj ponownie', en: 'Play again'},
  noWebGL: {
    pl: 'Ta przegladarka nie oferuje WebGL, bez ktorego gra nie moze rysowac.',
    en: 'This browser offers no WebGL, without which the game cannot draw.',
  },
  screenshotLink: {
    pl: (name, size) => `Pobierz zrzut ekranu (${name}, ${size} B)`,
    en: (name, size) => `Download the screenshot (${name}, ${size} B)`,
  },
  recordingLink: {
    pl: size => `Pobierz nagranie gry (vorbexia.demo, ${size} B)`,
    en: size => `Download the game's recording (vorbexia.demo, ${size} B)`,
  },
  clickToTurn: {pl: 'Kliknij obraz gry, aby obracac mysza.', en: 'Click the game\'s picture to turn with the mouse.'},
  settingsNotSaved: {
    pl: 'Nie mozna zapisac ustawien w przegladarce: ',
    en: 'The settings cannot be kept in this browser: ',
  },
  newPictures: {
    pl: (used, ignored) => 'Nowe obrazki: ' + (used || 'zadnego') + (ignored ? ' (pominiete: ' + ignored + ')' : '') + '.',
    en: (used, ignored) => 'New pictures: ' + (used || 'none') + (ignored ? ' (ignored: ' + ignored + ')' : '') + '.',
  },
};

// The keys of "Jak grac", in the order of the desktop's help.
const kKeys = [['keyArrows', 'doArrows'], ['keySpace', 'doSpace'], ['Esc', 'doEsc'], ['P', 'doP'],
               ['F1', 'doF1'], ['F12', 'doF12'], ['Alt+Enter', 'doAltEnter'], ['Tab', 'doTab'],
               ['keyMouse', 'doMouse'], ['keyPad', 'doPad']];

// The page speaks as the game does: `language = en` in the settings (the
// game's menu writes it there), or the page's own choice.
function PageLanguage() {
  try {
    if (/^\s*language\s*=\s*en\s*(#.*)?$/m.test(localStorage.getItem('vorbexia.conf') || '')) {
      return 'en';
    }
    return localStorage.getItem('vorbexia.language') === 'en' ? 'en' : 'pl';
  } catch (error) {
    return 'pl';  // storage not allowed in this page
  }
}
const kLanguage = PageLanguage();

// Touch controls only where the device has touch and its pointer is a
// finger: a desktop with a mouse (touch screen or not) sees the page as
// it always was.
const kFingerPointer = [matchMedia('(pointer: coarse)'), matchMedia('(any-hover: none)')];
function TouchDevice() {
  return (navigator.maxTouchPoints > 0 || 'ontouchstart' in window) &&
         kFingerPointer.some(query => query.matches);
}
function MarkTouchDevice() {
  document.documentElement.classList.toggle('touch', TouchDevice());
}
MarkTouchDevice();
for (const query of kFingerPointer) query.addEventListener('change', MarkTouchDevice);

// A text of the table in the page's language; a name not in it is shown
// as it is (a key's own name).
function Text(name, ...blanks) {
  const text = kTexts[name] ? kTexts[name][kLanguage] : name;
  return typeof text === 'function' ? text(...blanks) : text;
}

function ShowPageTexts() {
  document.documentElement.lang = kLanguage;
  for (const element of document.querySelectorAll('[data-text]')) {
    element.textContent = Text(element.dataset.text);
  }
  for (const element of document.querySelectorAll('[data-label]')) {
    element.title = Text(element.dataset.label);
    element.setAttribute('aria-label', element.title);
  }
  const keys = document.getElementById('keys');
  for (const [key, action] of TouchDevice() ? [['keyTouch', 'doTouch'], ...kKeys] : kKeys) {
    const term = document.createElement('dt');
    const description = document.createElement('dd');
    term.textContent = Text(key);
    description.textContent = Text(action);
    keys.append(term, description);
  }
}
ShowPageTexts();

const page = {
  stage: document.getElementById('stage'),
  status: document.getElementById('status'),
  playAgain: document.getElementById('play-again'),
  output: document.getElementById('output'),
  download: document.getElementById('download'),
  mouse: document.getElementById('mouse'),
  screenshots: document.getElementById('screenshots'),
  settings: document.getElementById('settings-text'),
  box: document.getElementById('box'),
};

const kDemos = '/demos';  // the demos that come with the page (vorbexia.data)
const kSwitches = ['hud', 'mute', 'windowed', 'fullscreen', 'record'];

// A value of the query fit for a one-line message.
function Quoted(text) {
  return "'" + text.replace(/[\x00-\x1f\x7f]/g, c => '\\x' + c.charCodeAt(0).toString(16).padStart(2, '0')) + "'";
}

// The demo that ?replay= or ?timedemo= names, by its bare name only: a path
// would read any file of the page's file system as a demo, /dev/tty even,
// whose reading asks for input in a browser prompt.
function BundledDemo(option, name) {
  const bundled = '(' + FS.readdir(kDemos).filter(entry => !entry.startsWith('.')).join(', ') + ')';
  if (name === '') throw `?${option}= needs the name of a demo that comes with the page ${bundled}`;
  if (/[/\\]/.test(name) || name.includes('..')) {
    throw `?${option}= takes only the name of a demo that comes with the page ${bundled}, not ${Quoted(name)}`;
  }
  const path = kDemos + '/' + name;
  const found = FS.analyzePath(path);
  if (!found.exists || !FS.isFile(found.object.mode)) {
    throw `?${option}= names ${Quoted(name)}, which does not come with the page ${bundled}`;
  }
  return path;
}

// ?seed=7&hud&replay=win.demo -> --seed 7 --hud --replay /demos/win.demo.
// A query the game would refuse throws the line that says why in the
// query's own terms: the player never typed the desktop's options.
function GameArguments(query) {
  const given = new Map();
  for (const [name, value] of query) {
    if (!kSwitches.includes(name) && !['seed', 'replay', 'timedemo'].includes(name)) continue;
    if (given.has(name)) throw `?${name} given twice`;
    given.set(name, value);
  }
  const demo = ['replay', 'timedemo'].find(name => given.has(name));
  if (['record', 'replay', 'timedemo'].filter(name => given.has(name)).length > 1) {
    throw 'only one of ?record, ?replay= and ?timedemo=';
  }
  if (given.has('windowed') && given.has('fullscreen')) throw 'only one of ?windowed and ?fullscreen';
  const args = [];
  if (given.has('seed')) {
    const seed = given.get('seed');
    if (!/^[0-9]+$/.test(seed) || Number(seed) > 4294967295) {
      throw `?seed= takes a number from 0 to 4294967295, not ${Quoted(seed)}`;
    }
    if (demo) throw `?seed= does not go with ?${demo}= (the demo has its seed)`;
    args.push('--seed', seed);
  }
  if (demo) args.push('--' + demo, BundledDemo(demo, given.get(demo)));
  for (const name of kSwitches) {
    if (given.has(name)) args.push('--' + name, ...(name === 'record' ? [kRecording] : []));
  }
  return args;
}

// Each line is appended: setting the output's whole text anew at every line
// took a long settings text's warnings a minute to show.
// A screenshot's line shows the file's own name, to download: the path is
// the page's file system's, which the player never sees.
function Show(text, error) {
  (error ? console.error : console.log)(text);
  const screenshot = kScreenshotLine.exec(text);
  if (screenshot) {
    page.output.append('vorbexia: screenshot ', OfferScreenshot(screenshot[1]), '\n');
  } else {
    page.output.append(text + '\n');
  }
}

// --- The settings ------------------------------------------------------------

function StoredSettings() {
  try {
    return localStorage.getItem(kSettingsKey);
  } catch (error) {
    return null;  // storage not allowed in this page: the game's defaults
  }
}

// The stored text as the game's settings file, or no file when none is
// stored; each game reads it anew.
function WriteSettingsFile() {
  const text = StoredSettings();
  FS.mkdirTree(kSettingsFile.replace(/\/[^/]*$/, ''));
  if (text !== null) {
    FS.writeFile(kSettingsFile, text);
  } else if (FS.analyzePath(kSettingsFile).exists) {
    FS.unlink(kSettingsFile);
  }
  try {
    const best = localStorage.getItem(kBestTimeKey);
    if (best !== null) FS.writeFile(kBestTimeFile, best);
  } catch (error) {
    // storage not allowed in this page: no best time kept
  }
}

// What the game wrote during the play (the settings changed in its menu,
// a new best time) is kept for the next visit.
function KeepGameFiles() {
  const Kept = (file, key) => {
    if (!FS.analyzePath(file).exists) return null;
    const text = FS.readFile(file, {encoding: 'utf8'});
    try {
      if (localStorage.getItem(key) !== text) localStorage.setItem(key, text);
    } catch (error) {
      return null;
    }
    return text;
  };
  const settings = Kept(kSettingsFile, kSettingsKey);
  if (settings !== null) page.settings.value = settings;
  Kept(kBestTimeFile, kBestTimeKey);
}

// "Zapisz": the editor's text kept (an empty one forgets the settings), and
// the game started anew with it.
function SaveSettings() {
  const text = page.settings.value;
  try {
    if (text.trim() === '') {
      localStorage.removeItem(kSettingsKey);
    } else {
      localStorage.setItem(kSettingsKey, text);
    }
  } catch (error) {
    Show(Text('settingsNotSaved') + error.message, true);
    return;
  }
  RestartGame();
}
page.settings.value = StoredSettings() || '';
document.getElementById('settings-save').addEventListener('click', SaveSettings);

// --- The boxes -------------------------------------------------------------

// The game's box when its OpenGL context cannot be made, in either language.
const kContextBoxes = ['Nie mozna podczepic OGL pod GDI.', 'Could not attach OpenGL to the window.'];

// BoxIcon's values: none, question, warning, stop, information.
const kIcons = ['', '?', '!', 'X', 'i'];
let openBox = null;  // {resolve, refusal} while a box waits for its answer

// True when a canvas of this page can have WebGL; the context made to ask
// is let go at once.
function BrowserOffersWebGL() {
  const context = document.createElement('canvas').getContext('webgl');
  if (!context) return false;
  const loser = context.getExtension('WEBGL_lose_context');
  if (loser) loser.loseContext();
  return true;
}

// The game names a question's buttons in its own language.
function ShowBox(caption, text, yesNo, icon, yes = 'Tak', no = 'Nie') {
  console.log('box: ' + caption + ': ' + text);
  document.getElementById('box-caption').textContent = caption;
  const message = document.getElementById('box-text');
  message.textContent = text;
  message.dataset.icon = kIcons[icon] || '';
  // The game's box names the desktop's GDI; beside it, the page says what
  // is wanting in a browser.
  const note = document.getElementById('box-note');
  note.hidden = !(kContextBoxes.includes(text) && !BrowserOffersWebGL());
  note.textContent = note.hidden ? '' : Text('noWebGL');
  document.getElementById('box-yes').hidden = !yesNo;
  document.getElementById('box-no').hidden = !yesNo;
  document.getElementById('box-yes').textContent = yes;
  document.getElementById('box-no').textContent = no;
  document.getElementById('box-ok').hidden = yesNo;
  const refusal = yesNo ? 2 : 0;
  return new Promise(resolve => {
    openBox = {resolve, refusal};
    ShowStatus();
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
  ShowStatus();
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
  canvas.addEventListener('mousedown', LockPointerIfWanted);
  canvas.addEventListener('keydown', LockPointerIfWanted);
  // A right click in the game's menu goes back, without the browser's menu.
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  page.stage.querySelector('canvas')?.remove();
  page.stage.prepend(canvas);  // under the touch controls
  Module.canvas = canvas;
  return 1;
}

function ShowCanvas() {
  const canvas = document.getElementById('canvas');
  canvas.hidden = false;
  canvas.focus();
  SetPhase(document.documentElement.classList.contains('touch') ? 'playingTouch' : 'playing');
}

// The canvas goes when the game ends, or when it could not start.
function RemoveCanvas() {
  const canvas = document.getElementById('canvas');
  if (!canvas) return 0;
  canvas.remove();
  SetPhase('ending');
  return 1;
}

// 1 when the stage went full screen; 0 when the browser refused. A phone
// is then held sideways where the browser lets the page say so; most
// refuse (desktops, iPhones), and the game plays on as it is.
async function EnterFullscreen() {
  try {
    await page.stage.requestFullscreen({navigationUI: 'hide'});
  } catch (error) {
    console.log('full screen refused: ' + error.message);
    return 0;
  }
  try {
    await screen.orientation.lock('landscape');
  } catch (error) {
    console.log('orientation not locked: ' + error.message);
  }
  return 1;
}

async function LeaveFullscreen() {
  if (!document.fullscreenElement) return;
  try {
    screen.orientation.unlock();
  } catch (error) {
    // never locked
  }
  try {
    await document.exitFullscreen();
  } catch (error) {
    console.log('full screen not left: ' + error.message);
  }
}

// --- Turning by mouse: the pointer lock -------------------------------------

// The browser locks the pointer only at a gesture of the player's: asked
// for at once, and again at each click or key press on the canvas while
// the game wants the mouse and has no lock.
let mouseWanted = false;

function PointerLocked() {
  const canvas = document.getElementById('canvas');
  return canvas !== null && document.pointerLockElement === canvas;
}

function ShowMouseHint() {
  page.mouse.textContent = mouseWanted && !PointerLocked() ? Text('clickToTurn') : '';
}

function LockPointerIfWanted() {
  const canvas = document.getElementById('canvas');
  if (!mouseWanted || !canvas || PointerLocked()) return;
  try {
    const asked = canvas.requestPointerLock();
    if (asked && asked.catch) asked.catch(error => console.log('pointer lock refused: ' + error.message));
  } catch (error) {
    console.log('pointer lock refused: ' + error.message);
  }
}

function CaptureMouse(on) {
  mouseWanted = on;
  if (on) {
    LockPointerIfWanted();
  } else if (document.pointerLockElement) {
    document.exitPointerLock();
  }
  ShowMouseHint();
}

document.addEventListener('pointerlockchange', () => {
  console.log('pointer lock: ' + (PointerLocked() ? 'on' : 'off'));
  ShowMouseHint();
});

// --- Touch controls ----------------------------------------------------------

// Each finger on a control is numbered (the lowest number free) and holds
// the actions of the control under it: sliding from one to the next lets go
// of the first and presses the next. The game takes the presses from
// Module.vorbexiaTouches (web_touch.cpp) as [finger, action, down], as it
// samples a pad; full screen is the page's own, toggled as the finger
// leaves the button (a gesture the browser takes for it).
const fingers = new Map();  // touch identifier -> {number, actions}

function ActionsAt(x, y) {
  const control = document.elementFromPoint(x, y)?.closest('#touch [data-action]');
  return control ? control.dataset.action.split(' ') : [];
}

function ShowHeld() {
  const held = new Set([...fingers.values()].flatMap(finger => finger.actions));
  for (const control of document.querySelectorAll('#touch [data-action]')) {
    control.classList.toggle('held', control.dataset.action.split(' ').every(name => held.has(name)));
  }
}

function QueueTouch(number, actions, down) {
  for (const action of actions) {
    if (action !== 'fullscreen' && running) Module.vorbexiaTouches.push([number, action, down]);
  }
}

function FollowFinger(touch, type) {
  const ending = type === 'touchend' || type === 'touchcancel';
  let finger = fingers.get(touch.identifier);
  if (!finger) {
    if (ending) return;
    const taken = new Set([...fingers.values()].map(finger => finger.number));
    let number = 0;
    while (taken.has(number)) ++number;
    finger = {number, actions: []};
    fingers.set(touch.identifier, finger);
  }
  const now = ending ? [] : ActionsAt(touch.clientX, touch.clientY);
  QueueTouch(finger.number, finger.actions.filter(action => !now.includes(action)), false);
  QueueTouch(finger.number, now.filter(action => !finger.actions.includes(action)), true);
  if (ending) {
    fingers.delete(touch.identifier);
    if (type === 'touchend' && finger.actions.includes('fullscreen')) {
      document.fullscreenElement ? LeaveFullscreen() : EnterFullscreen();
    }
  }
  finger.actions = now;
}

// The browser is kept from scrolling, zooming or clicking at the controls.
function FollowTouches(event) {
  event.preventDefault();
  for (const touch of event.changedTouches) FollowFinger(touch, event.type);
  ShowHeld();
}
for (const type of ['touchstart', 'touchmove', 'touchend', 'touchcancel']) {
  document.getElementById('touch').addEventListener(type, FollowTouches, {passive: false});
}

// The fingers still down when a game ends hold nothing in the next.
function ForgetFingers() {
  Module.vorbexiaTouches = [];
  for (const finger of fingers.values()) finger.actions = [];
  ShowHeld();
}

// --- Screenshots ---------------------------------------------------------------

// The picture the game wrote, offered for download under its own name
// below those of the games before; returns a link to it named by the name.
function OfferScreenshot(file) {
  const bytes = FS.readFile(file);
  const name = file.replace(/^.*\//, '');
  const type = name.endsWith('.png') ? 'image/png' : 'image/bmp';
  const href = URL.createObjectURL(new Blob([bytes], {type}));
  const Link = text => Object.assign(document.createElement('a'), {href, download: name, textContent: text});
  page.screenshots.append(Link(Text('screenshotLink', name, bytes.length)), document.createElement('br'));
  return Link(name);
}

// --- Games, one after another ---------------------------------------------

let running = false;
let restartWanted = false;

// The status line says where the game is at every moment: an open box
// first (the game waits for it whatever it is at), else the phase:
// 'loading', 'starting', 'playing', 'ending', or the code the game ended
// with. A note (new pictures) stands until the phase next changes.
let phase = 'loading';

function ShowStatus() {
  page.status.textContent = openBox ? Text('waiting')
                          : typeof phase === 'number' ? Text('ended', phase) : Text(phase);
}

function SetPhase(now) {
  phase = now;
  ShowStatus();
}

function StartGame() {
  running = true;
  restartWanted = false;
  Module.vorbexiaEndRequested = false;
  ForgetFingers();
  page.playAgain.hidden = true;
  page.download.replaceChildren();
  // The game before's recording goes: a game that does not start records
  // nothing and leaves no file, so none is offered as this one's.
  if (FS.analyzePath(kRecording).exists) FS.unlink(kRecording);
  SetPhase('starting');
  WriteSettingsFile();
  let args;
  try {
    args = GameArguments(new URLSearchParams(location.search));
  } catch (refusal) {
    if (typeof refusal !== 'string') throw refusal;
    Show('vorbexia: ' + refusal, true);
    GameEnded(2);  // as the game ends on a bad command line
    return;
  }
  Module.callMain(args);
}

// Called by main just before it returns: the next game starts once it has.
function GameEnded(result) {
  SetPhase(result);
  ForgetFingers();
  KeepGameFiles();
  console.log('vorbexia: the game ended with ' + result);
  CaptureMouse(false);
  LeaveFullscreen();
  OfferRecording();
  setTimeout(() => {
    running = false;
    if (restartWanted) {
      StartGame();
    } else {
      page.playAgain.hidden = false;
    }
  });
}

// A new game in the same page, as new pictures or settings start one.
page.playAgain.addEventListener('click', RestartGame);

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
  link.textContent = Text('recordingLink', bytes.length);
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
  page.status.textContent = Text('newPictures', used.join(', '), ignored.join(', '));
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
  vorbexiaCaptureMouse: CaptureMouse,
  vorbexiaGameEnded: GameEnded,
  vorbexiaEndRequested: false,
  vorbexiaTouches: [],
};

// --- Offline --------------------------------------------------------------------

// The worker keeps the page and the game for playing with no network; a
// new build's worker replaces the old at the next visit. Browsers run
// workers only on secure origins (https, or this machine).
if ('serviceWorker' in navigator && window.isSecureContext) {
  navigator.serviceWorker.register('vorbexia-worker.js').catch(
      error => console.log('no offline play: ' + error.message));
}
