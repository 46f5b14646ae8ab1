// The page around the game: checks what the browser offers, downloads the
// program and its data with a progress bar, starts the game and shows the
// full-screen button, the farewell and any message the player needs.
'use strict';

const DOWNLOADS = ['tessalune.wasm', 'tessalune.data'];

function show(id, visible) {
  document.getElementById(id).classList.toggle('hidden', !visible);
}

function tell(text) {
  show('loading', false);
  show('fullscreen', false);
  document.getElementById('canvas').classList.add('hidden');
  const message = document.getElementById('message');
  message.textContent = text;
  show('message', true);
}

function browserCanPlay() {
  if (typeof WebAssembly !== 'object') {
    tell('This browser cannot run WebAssembly, which Tessalune needs. ' +
         'Please open the page in a current browser.');
    return false;
  }
  if (!document.createElement('canvas').getContext('webgl2')) {
    tell('This browser offers no WebGL 2, which Tessalune needs to draw. ' +
         'Please turn on hardware acceleration or open the page in a current browser.');
    return false;
  }
  return true;
}

// ?level=7 starts that level at once, as the command-line level start does.
function startArguments() {
  const level = new URLSearchParams(location.search).get('level');
  return level !== null && /^[0-9]{1,3}$/.test(level) ? [level] : [];
}

// Fetches every file with one progress bar over their total size.
async function downloadAll(names) {
  const responses = await Promise.all(names.map(async (name) => {
    const response = await fetch(name);
    if (!response.ok) {
      throw new Error(name + ': ' + response.status);
    }
    return response;
  }));
  const total = responses.reduce((sum, r) => sum + Number(r.headers.get('Content-Length') || 0), 0);
  let received = 0;
  const fill = document.getElementById('progress-fill');
  const status = document.getElementById('status');
  const bodies = await Promise.all(responses.map(async (response) => {
    const reader = response.body.getReader();
    const parts = [];
    for (;;) {
      const { done, value } = await reader.read();
      if (done) {
        break;
      }
      parts.push(value);
      received += value.length;
      if (total > 0) {
        fill.style.width = Math.min(100, (100 * received) / total).toFixed(1) + '%';
        status.textContent = 'Loading ' + (received / 1e6).toFixed(1) + ' of ' +
          (total / 1e6).toFixed(1) + ' MB';
      }
    }
    return new Blob(parts).arrayBuffer();
  }));
  const files = {};
  names.forEach((name, i) => { files[name] = bodies[i]; });
  return files;
}

function watchCanvas(canvas) {
  canvas.addEventListener('webglcontextlost', (event) => {
    event.preventDefault();
    tell('The graphics card stopped drawing for this page. Please reload the page to play on; ' +
         'your progress is kept.');
  });
  // Keys reach the game once the canvas has the focus.
  canvas.addEventListener('pointerdown', () => canvas.focus());
}

function startGame(files) {
  const canvas = document.getElementById('canvas');
  watchCanvas(canvas);
  window.Module = {
    canvas: canvas,
    arguments: startArguments(),
    wasmBinary: files['tessalune.wasm'],
    getPreloadedPackage: (name) => files[name.split('/').pop()],
    onRuntimeInitialized: () => {
      show('loading', false);
      show('fullscreen', true);
      canvas.focus();
    },
    onGameEnd: () => {
      if (document.fullscreenElement) {
        document.exitFullscreen().catch(() => {});
      }
      canvas.classList.add('hidden');
      show('fullscreen', false);
      show('farewell', true);
    },
    onAbort: (what) => tell('Tessalune stopped: ' + what + '. Please reload the page.'),
  };
  const script = document.createElement('script');
  script.src = 'tessalune.js';
  script.onerror = () => tell('Tessalune could not be loaded. Please reload the page.');
  document.body.appendChild(script);
}

document.getElementById('play-again').addEventListener('click', () => location.reload());
document.getElementById('fullscreen').addEventListener('click', () => {
  const canvas = document.getElementById('canvas');
  if (document.fullscreenElement) {
    document.exitFullscreen();
  } else {
    document.documentElement.requestFullscreen().catch(() => {});
  }
  canvas.focus();
});

if (browserCanPlay()) {
  downloadAll(DOWNLOADS).then(startGame, (error) => {
    tell('Tessalune could not be downloaded (' + error.message + '). Please reload the page.');
  });
}
