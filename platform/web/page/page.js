// The page around the game: loads it behind a progress bar, starts it with
// what the address asks for (?play=FILE, ?timedemo=FILE, either with
// &window=WxH, and &draw=none for the states alone, ?record), hands it
// the mouse on a click, and keeps what it printed in window.quorvel for
// whoever watches: stdout and stderr lines, `finished` once it has quit, and
// whenDrawn(callback) and whenFinished(callback) to wait on the first frame
// and on the end.
'use strict';

(function () {
  const params = new URLSearchParams(location.search);
  const timed = params.has('timedemo');
  const demoUrl = params.get('timedemo') || params.get('play');
  const recording = params.has('record');
  const sessionFolder = '/session';
  const recordPath = sessionFolder + '/recording.demo';
  const dataFolder = '/data';

  const element = (id) => document.getElementById(id);
  const canvas = element('canvas');
  const cover = element('cover');
  const message = element('message');

  const quorvel = (window.quorvel = {
    stdout: [],
    stderr: [],
    finished: false,
    status: null,
    firstFrameMs: null, // from the page's navigation
    recording: null,
    whenDrawn: (callback) => waitFor('drawn', callback),
    whenFinished: (callback) => waitFor('finished', callback),
  });
  const waiting = { drawn: [], finished: [] };
  function waitFor(what, callback) {
    if (what === 'drawn' ? quorvel.firstFrameMs !== null : quorvel.finished) callback();
    else waiting[what].push(callback);
  }
  function happened(what) {
    waiting[what].splice(0).forEach((callback) => callback());
  }

  function say(text) {
    message.textContent = text;
  }

  function show(id, shown) {
    element(id).hidden = !shown;
  }

  // A demo plays in a window of the size it was recorded at, so it repeats
  // the same run; &window=WxH asks for another size (the pointer is scaled
// to it, the steering isn't: the run may differ).
  function windowOption(demoText) {
    if (params.has('window')) return ['--window', params.get('window')];
    const size = /^window\s+(\d+)\s+(\d+)\s*$/m.exec(demoText);
    return size ? ['--window', size[1] + 'x' + size[2]] : ['--window'];
  }

  function demoName() {
    return sessionFolder + '/' + (demoUrl.split('/').pop() || 'session.demo');
  }

  function fetchDemo() {
    addRunDependency('demo');
    fetch(demoUrl)
      .then((response) => {
        if (!response.ok) throw new Error(demoUrl + ': ' + response.status + ' ' + response.statusText);
        return response.text();
      })
      .then((text) => {
        FS.writeFile(demoName(), text);
        Module.arguments.unshift(timed ? '--timedemo' : '--play', demoName(), ...windowOption(text));
        removeRunDependency('demo');
      })
      .catch((error) => {
        say("Couldn't fetch the demo: " + error.message);
        quorvel.stderr.push(String(error.message));
        quorvel.finished = true;
        happened('finished');
      });
  }

  function offerRecording() {
    let text;
    try {
      text = FS.readFile(recordPath, { encoding: 'utf8' });
    } catch (error) {
      return;
    }
    quorvel.recording = text;
    const link = element('download');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    show('download', true);
  }

  function finish(status) {
    if (quorvel.finished) return;
    quorvel.status = status;
    if (recording) offerRecording();
    if (document.pointerLockElement) document.exitPointerLock();
    say(status === 0 ? 'Thanks for riding.' : 'The game stopped (' + status + ').');
    show('play', false);
    show('hint', false);
    show('again', true);
    cover.hidden = false;
    quorvel.finished = true;
    happened('finished');
  }

  function ready() {
    // The game runs as ever, every frame's state held to the demo's, but
    // the browser draws nothing: no picture to wait for.
    if (params.get('draw') === 'none') Module._fglSetDrawing(0);
    show('progress', false);
    if (timed) {
      cover.hidden = true;
      return;
    }
    say('');
    show('play', true);
    show('hint', true);
  }

  // The click that starts play also takes the mouse; where the browser
  // refuses the lock, the game follows the free pointer instead.
  let lockWanted = false;
  element('play').addEventListener('click', () => {
    cover.hidden = true;
    lockWanted = true;
    if (canvas.requestPointerLock) canvas.requestPointerLock();
  });
  document.addEventListener('pointerlockchange', () => {
    if (document.pointerLockElement === canvas || !lockWanted || quorvel.finished) return;
    // Escape gave the mouse back: the game waits behind the cover.
    lockWanted = false;
    say('');
    element('play').textContent = 'Click to go on';
    cover.hidden = false;
  });
  element('again').addEventListener('click', () => location.reload());

  function toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else if (document.documentElement.requestFullscreen) document.documentElement.requestFullscreen();
  }
  element('fullscreen').addEventListener('click', toggleFullScreen);
  // Ahead of the game's own key handling: F is the page's.
  window.addEventListener(
    'keydown',
    (event) => {
      if ((event.key === 'f' || event.key === 'F') && !event.ctrlKey && !event.altKey && !event.metaKey) {
        event.stopPropagation();
        event.preventDefault();
        toggleFullScreen();
      }
    },
    true
  );

  const cursor = element('cursor');
  let turns = 0;
  window.Module = {
    canvas: canvas,
    arguments: recording ? ['--record', recordPath] : [],
    frameTiming: timed ? 'immediate' : 'display',
    preRun: [
      () => {
        // ENV is there when the game reads its environment.
        if (typeof ENV === 'object') ENV.QUORVEL_DATA = dataFolder;
        FS.mkdir(sessionFolder);
        if (demoUrl) fetchDemo();
      },
    ],
    onRuntimeInitialized: ready,
    postMainLoop: () => {
      if (turns++ > 0) return;
      quorvel.firstFrameMs = performance.now();
      happened('drawn');
    },
    print: (line) => {
      quorvel.stdout.push(line);
      console.log(line);
    },
    printErr: (line) => {
      quorvel.stderr.push(line);
      console.warn(line);
    },
    onExit: finish,
    // exit() from inside the frame loop reaches only this.
    quit: (status, toThrow) => {
      finish(status);
      throw toThrow;
    },
    onAbort: (what) => {
      quorvel.stderr.push(String(what));
      finish('abort');
    },
    setStatus: (text) => {
      const part = /\((\d+(?:\.\d+)?)\/(\d+)\)/.exec(text);
      if (part) element('progress-done').style.width = (100 * part[1]) / part[2] + '%';
    },
    lockedPointer: (shown, x, y) => {
      cursor.hidden = !shown;
      cursor.style.left = x + 'px';
      cursor.style.top = y + 'px';
    },
  };
})();
