// Cinderwake's page: downloads the program and its data folder with a progress bar, puts the data into
// the program's file system, then starts the game in the canvas. Extra program arguments come from the
// URL (?args=...); a file named by --replay or --script is downloaded next to the page first.
(function () {
  'use strict';

  const PICTURE_W = 800;
  const PICTURE_H = 600;
  const $ = (id) => document.getElementById(id);
  const stage = $('stage');
  const canvas = $('canvas');
  const loading = $('loading');
  const bar = $('bar').firstElementChild;
  const messageBox = $('message');
  const noteBox = $('note');
  const errorLines = [];

  // Shows a message instead of the game; tests read it from window.cinderwakeError.
  function fail(text) {
    window.cinderwakeError = text;
    loading.style.display = 'none';
    canvas.style.display = 'none';
    messageBox.textContent = text;
    messageBox.style.display = 'block';
  }

  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    fail('Cinderwake needs WebAssembly, which this browser does not offer (or has turned off).\n\n' +
         'Please open the page in a current Firefox, Chrome, Edge or Safari.');
    return;
  }

  // ------------------------------------------------------------ the picture's size on the page
  // The largest whole factor of device pixels that fits keeps every pixel a sharp square; a stage
  // smaller than the picture shrinks it with its aspect kept.
  function layout() {
    const dpr = window.devicePixelRatio || 1;
    const w = stage.clientWidth;
    const h = stage.clientHeight;
    const fit = Math.min((w * dpr) / PICTURE_W, (h * dpr) / PICTURE_H);
    const whole = Math.floor(fit);
    const scale = whole >= 1 ? whole / dpr : fit / dpr;
    canvas.style.width = Math.floor(PICTURE_W * scale) + 'px';
    canvas.style.height = Math.floor(PICTURE_H * scale) + 'px';
    canvas.classList.toggle('sharp', whole >= 1);
  }
  window.addEventListener('resize', layout);
  document.addEventListener('fullscreenchange', () => {
    layout();
    canvas.focus();
  });

  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
    } else if (stage.requestFullscreen) {
      stage.requestFullscreen().catch(() => {});
    }
  }
  $('fullscreen').addEventListener('click', toggleFullScreen);

  // ------------------------------------------------------------ keys that stay the browser's
  // The game takes every key while the canvas has the focus (SDL prevents the browser's default);
  // Tab, the system key combinations and the function keys but F1 (the game's options) go on to the
  // browser instead: reloading, full screen, the developer tools.
  function browsersKey(e) {
    return (/^F\d+$/.test(e.key) && e.key !== 'F1') || e.key === 'Tab' || e.metaKey;
  }
  for (const type of ['keydown', 'keyup', 'keypress']) {
    stage.addEventListener(type, (e) => {
      if (browsersKey(e)) e.stopPropagation();
    }, true);
  }
  // A click on the picture gives it the keys.
  canvas.addEventListener('mousedown', () => canvas.focus());

  // ------------------------------------------------------------ sound after the first gesture
  // Browsers let a page make sound only after a key or click; SDL's AudioContext is resumed then.
  let gestured = false;
  function audioContext() {
    const sdl = window.Module && window.Module.SDL2;
    return sdl && sdl.audioContext;
  }
  function resumeAudio() {
    gestured = true;
    const ctx = audioContext();
    if (ctx && ctx.state === 'suspended') ctx.resume().catch(() => {});
  }
  for (const type of ['keydown', 'mousedown', 'pointerdown', 'touchstart']) {
    window.addEventListener(type, resumeAudio, true);
  }

  // For tests: the loudness of what the game plays right now (RMS, 0..1), through an analyser that
  // listens to SDL's output beside the speakers.
  let analyser = null;
  window.cinderwakeAudioLevel = function () {
    const sdl = window.Module && window.Module.SDL2;
    const ctx = audioContext();
    const source = sdl && sdl.audio && sdl.audio.scriptProcessorNode;
    if (!ctx || !source) return -1;
    if (!analyser) {
      analyser = ctx.createAnalyser();
      analyser.fftSize = 2048;
      source.connect(analyser);
    }
    const samples = new Float32Array(analyser.fftSize);
    analyser.getFloatTimeDomainData(samples);
    let sum = 0;
    for (const s of samples) sum += s * s;
    return Math.sqrt(sum / samples.length);
  };
  window.cinderwakeAudioState = function () {
    const ctx = audioContext();
    return ctx ? ctx.state : 'none';
  };

  // ------------------------------------------------------------ program arguments from the URL
  function splitArgs(text) {
    const args = [];
    const re = /"([^"]*)"|'([^']*)'|(\S+)/g;
    let m;
    while ((m = re.exec(text)) !== null) args.push(m[1] !== undefined ? m[1] : m[2] !== undefined ? m[2] : m[3]);
    return args;
  }
  const params = new URLSearchParams(window.location.search);
  const args = splitArgs(params.get('args') || '');
  // Files the program reads that the URL names: downloaded beside the page, put at the same path.
  const inputFiles = [];
  for (let i = 0; i + 1 < args.length; ++i) {
    if (args[i] === '--replay' || args[i] === '--script') inputFiles.push(args[i + 1]);
  }

  // ------------------------------------------------------------ downloads with progress
  let total = 0;
  let loaded = 0;
  function progress(delta) {
    loaded += delta;
    bar.style.width = (total > 0 ? Math.min(100, (100 * loaded) / total) : 0).toFixed(1) + '%';
  }

  async function fetchFile(url, what) {
    let response;
    try {
      response = await fetch(url, { cache: 'no-cache' });
    } catch (e) {
      throw new Error("Can't download " + what + ': ' + e.message);
    }
    if (!response.ok) {
      throw new Error("Can't download " + what + ' (' + response.status + ' ' + response.statusText + ')');
    }
    return response;
  }

  // Reads a stream to its end, moving the bar; `keep` collects the bytes.
  async function readAll(stream, keep) {
    const reader = stream.getReader();
    const parts = [];
    let size = 0;
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      if (keep) parts.push(value);
      size += value.length;
      progress(value.length);
    }
    const bytes = new Uint8Array(keep ? size : 0);
    let at = 0;
    for (const p of parts) {
      bytes.set(p, at);
      at += p.length;
    }
    return bytes;
  }

  async function download(url, what) {
    return readAll((await fetchFile(url, what)).body, true);
  }

  // The program is compiled while it downloads.
  async function downloadProgram(url, what) {
    const response = await fetchFile(url, what);
    if (!WebAssembly.compileStreaming) return WebAssembly.compile(await readAll(response.body, true));
    const [forCompiler, forBar] = response.body.tee();
    const compiled = WebAssembly.compileStreaming(
      new Response(forCompiler, { headers: { 'Content-Type': 'application/wasm' } }));
    await readAll(forBar, false);
    return compiled;
  }

  function loadScript(url) {
    return new Promise((resolve, reject) => {
      const s = document.createElement('script');
      s.src = url;
      s.onload = resolve;
      s.onerror = () => reject(new Error("Can't download the program (" + url + ')'));
      document.body.appendChild(s);
    });
  }

  // ------------------------------------------------------------ the picture
  // The program hands over the changed area of its RGBA picture, which the canvas copies straight out
  // of the program's memory. Desynchronized: the browser shows it without a round through its
  // compositor's usual frame, which halves what every picture costs while playing.
  const context = canvas.getContext('2d', { alpha: false, desynchronized: true });
  let image = null;
  function present(heap, pixels, width, height, x, y, w, h) {
    // The view is made again when the program's memory has grown (a new buffer) or the picture moved.
    if (!image || image.data.buffer !== heap.buffer || image.data.byteOffset !== pixels ||
        image.width !== width || image.height !== height) {
      image = new ImageData(new Uint8ClampedArray(heap.buffer, pixels, width * height * 4), width, height);
    }
    context.putImageData(image, 0, 0, x, y, w, h);
  }
  let noteTimer = 0;

  // ------------------------------------------------------------ the program
  let runtimeReady;
  const runtime = new Promise((resolve) => { runtimeReady = resolve; });
  let wasmModule;

  const Module = {
    noInitialRun: true,
    canvas: canvas,
    print: (text) => console.log(text),
    printErr: (text) => {
      console.warn(text);
      errorLines.push(text);
      if (errorLines.length > 20) errorLines.shift();
    },
    instantiateWasm: (imports, receive) => {
      wasmModule
        .then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
        .catch((e) => fail("Can't start the program: " + e.message));
      return {};
    },
    onRuntimeInitialized: () => runtimeReady(),
    onAbort: (what) => fail('The game stopped because of an internal error.\n\n' + what +
                            (errorLines.length ? '\n' + errorLines.join('\n') : '')),
    // Called by the program.
    cinderwakeFirstFrame: () => {
      window.cinderwakeFirstFrameAt = performance.now();
      loading.style.display = 'none';
      canvas.style.display = 'block';
      layout();
      canvas.focus();
    },
    cinderwakeEnded: (status) => {
      window.cinderwakeExitStatus = status;
      if (status !== 0) {
        fail('The game could not go on.\n\n' + (errorLines.join('\n') || 'exit status ' + status));
      } else {
        canvas.style.display = 'none';
        messageBox.textContent = 'The game has ended. Reload the page to play again.';
        messageBox.style.display = 'block';
      }
    },
    cinderwakePresent: present,
    cinderwakeToggleFullScreen: toggleFullScreen,
    cinderwakeNote: (text, ms) => {
      clearTimeout(noteTimer);
      noteBox.textContent = text;
      noteBox.style.display = text ? 'block' : 'none';
      if (text && ms >= 0) noteTimer = setTimeout(() => { noteBox.style.display = 'none'; }, ms);
    },
    cinderwakeGestured: () => gestured,
  };
  window.Module = Module;

  // The state dump of the running game as JSON text (the headless mode's dump line), or null before
  // the game has started.
  // Called straight, not through ccall: while the game sleeps in a wait, ccall would take the call for
  // one that waits too and answer with a promise that is kept only when the program ends.
  window.cinderwakeDump = function () {
    if (!Module._cinderwake_dump || !Module.calledRun) return null;
    return Module.UTF8ToString(Module._cinderwake_dump());
  };

  function putFile(path, bytes) {
    const FS = Module.FS;
    const slash = path.lastIndexOf('/');
    if (slash > 0) FS.mkdirTree(path.slice(0, slash));
    FS.writeFile(path, bytes);
  }

  async function start() {
    let manifest;
    try {
      const response = await fetch('files.json', { cache: 'no-cache' });
      if (!response.ok) throw new Error(response.status + ' ' + response.statusText);
      manifest = await response.json();
    } catch (e) {
      throw new Error("Can't download the list of the game's files (files.json): " + e.message);
    }
    total = manifest.program.reduce((n, f) => n + f.size, 0) + manifest.data.reduce((n, f) => n + f.size, 0);

    const wasmFile = manifest.program.find((f) => f.name.endsWith('.wasm'));
    const jsFile = manifest.program.find((f) => f.name.endsWith('.js'));
    // The program first: it is compiled as it arrives, while the data downloads.
    wasmModule = downloadProgram(wasmFile.name, 'the program (' + wasmFile.name + ')');
    const script = loadScript(jsFile.name).then(() => progress(jsFile.size));
    const data = manifest.data.map((f) => download('data/' + f.name, 'data/' + f.name).then((b) => [f.name, b]));
    const inputs = inputFiles.map((name) => download(name, name).then((b) => [name, b]));
    // A failed download wins over a program that waits for it.
    const files = await Promise.all([wasmModule, script, Promise.all(data), Promise.all(inputs)]);
    await runtime;

    Module.FS.mkdirTree('/data');
    for (const [name, bytes] of files[2]) putFile('/data/' + name, bytes);
    for (const [name, bytes] of files[3]) putFile(name.startsWith('/') ? name : '/' + name, bytes);
    document.getElementById('loading-text').textContent = 'Starting…';
    window.cinderwakeMainAt = performance.now();  // for measuring: downloaded and compiled
    Module.callMain(args);
  }

  // A fault inside the running program (after a wait, outside start()) shows too.
  window.addEventListener('error', (e) => {
    if (window.cinderwakeExitStatus === undefined) fail('The game stopped because of an internal error.\n\n' + e.message);
  });
  window.addEventListener('unhandledrejection', (e) => {
    if (window.cinderwakeExitStatus === undefined) fail('The game stopped because of an internal error.\n\n' + e.reason);
  });

  layout();
  start().catch((e) => fail(e.message));
})();
