// Tova in the browser: the page that stands where the desktop window stands. It builds its
// elements from the window's layout tables (which the program gives as JSON), passes their
// events to the program, paints what the program drew, and answers the program's calls for
// boxes, dialogs, files, sound and the clipboard.
'use strict';

window.Tova = (() => {
  const el = {};          // elements by control name
  const boxes = {P: 0, D: 1, O: 2};  // the program's numbers for its pictures (O: the object panel's)
  const state = {busy: false, ended: false, beeps: 0, clip: null, clipWrites: 0};
  let M;                  // the Emscripten module
  let layout;

  // ---- building the page from the layout tables ------------------------------------------
  function caption(text, into) {  // "&File" underlines F
    const at = text.indexOf('&');
    if (at < 0) { into.textContent = text; return ''; }
    into.append(text.slice(0, at));
    const key = document.createElement('u');
    key.textContent = text[at + 1];
    into.append(key, text.slice(at + 2));
    return text[at + 1].toLowerCase();
  }

  function place(node, c) {
    Object.assign(node.style, {left: `${c.left}px`, top: `${c.top}px`, width: `${c.width}px`, height: `${c.height}px`});
  }

  const arrows = {a1: '↖', a2: '↗', a3: '↙', a4: '↘'};

  function control(c) {
    let node;
    switch (c.kind) {
      case 'Button':
        node = document.createElement('button');
        node.type = 'button';
        node.textContent = arrows[c.name] || c.caption;
        if (arrows[c.name]) node.classList.add('arrow');
        node.addEventListener('click', () => input('click', c.name));
        break;
      case 'Label':
        node = document.createElement('span');
        node.className = 'label';
        node.textContent = c.caption;
        break;
      case 'CheckBox': {
        node = document.createElement('label');
        node.className = 'check';
        const box = document.createElement('input');
        box.type = 'checkbox';
        node.append(box, c.caption);
        // Ticked while the program runs, it is ticked when the program is done, as in the window.
        box.addEventListener('click', e => {
          if (!state.busy && !queue.length) return;
          e.preventDefault();
          queue.push({kind: 'toggle', name: c.name});
        });
        break;
      }
      case 'HScrollBar': {
        node = document.createElement('input');
        node.type = 'range';
        Object.assign(node, {min: c.min, max: c.max, value: c.value});
        node.addEventListener('input', () => input('scroll', c.name));
        break;
      }
      case 'TextBox':
        node = document.createElement('input');
        node.type = 'text';
        node.readOnly = true;
        break;
    }
    node.id = c.name;
    node.classList.add('control');
    node.title = c.tip;
    node.setAttribute('aria-label', /[A-Za-z0-9].*[A-Za-z0-9]/.test(c.caption) ? c.caption.trim() : c.tip);
    node.setAttribute('aria-description', c.tip);
    place(node, c);
    return node;
  }

  // A picture box: a canvas of the program's pixels inside a sunken border; the canvas can take
  // the keyboard's focus, as in the window.
  function picture(c) {
    const frame = document.createElement('div');
    frame.className = 'picture';
    place(frame, c);
    const canvas = document.createElement('canvas');
    canvas.id = c.name;
    canvas.width = c.width - 2 * layout.pictureBorder;
    canvas.height = c.height - 2 * layout.pictureBorder;
    canvas.title = c.tip;
    canvas.tabIndex = 0;
    canvas.setAttribute('role', 'img');
    canvas.setAttribute('aria-label', c.tip);
    frame.append(canvas);
    el[c.name] = canvas;
    el[c.name + '.frame'] = frame;
    TovaPointer.attach(frame, (kind, x, y, held, e) => {
      input(kind, c.name, x, y, held);
      // How long from a move, as the browser stamped it, to the painted picture, for the
      // benchmark when it asks.
      if (kind === 'move' && state.timings) state.timings.push(performance.now() - e.timeStamp);
    });
    return frame;
  }

  function build() {
    const client = document.getElementById('client');
    client.style.width = `${layout.client[0]}px`;
    client.style.height = `${layout.client[1]}px`;
    client.style.background = colour(layout.back);
    document.title = layout.caption;
    const canvasFrame = picture(layout.canvas);
    for (const [x1, y1, x2, y2] of layout.dividers) {
      const line = document.createElement('div');
      line.className = 'divider';
      // Places inside a frame count from the inside of its border, as the layout's do.
      Object.assign(line.style, {left: `${x1}px`, top: `${y1}px`,
                                 width: `${Math.max(x2 - x1, 0) + 1}px`, height: `${Math.max(y2 - y1, 0) + 1}px`});
      canvasFrame.append(line);
    }
    // The 3D view lies over the canvas, placed from the canvas's drawing area and cut to the
    // canvas's outer edge, as a child window is in the window.
    const b = layout.pictureBorder, P = layout.canvas, D = layout.view;
    const left = P.left + b + D.left, top = P.top + b + D.top;
    const viewFrame = picture({...D, left, top});
    const beyond = [P.top - top, left + D.width - (P.left + P.width), top + D.height - (P.top + P.height),
                    P.left - left];
    viewFrame.style.clipPath = `inset(${beyond.map(v => `${Math.max(0, v)}px`).join(' ')})`;
    viewFrame.hidden = true;
    for (const c of layout.controls) el[c.name] = control(c);
    // The elements stand in the order the Tab key visits them, then the rest: no numbers needed.
    const frames = {P: canvasFrame, D: viewFrame};
    const order = [...layout.tabOrder, ...layout.controls.map(c => c.name), 'P', 'D'];
    for (const name of new Set(order)) client.append(frames[name] || el[name]);
    el.Form1 = client;
    buildMenus();
  }

  // A shortcut as the layout writes it ("Ctrl+Shift+Z") and as a key pressed makes it: the Ctrl,
  // Alt and Shift held, in that order, then the key (a letter by its place on the keyboard when it
  // gives none of A to Z); the Mac's Command stands for Ctrl.
  const chord = (mods, key) => [...['Ctrl', 'Alt', 'Shift'].filter(m => mods.includes(m)), key.toUpperCase()].join('+');
  const pressed = e => chord([(e.ctrlKey || e.metaKey) && 'Ctrl', e.altKey && 'Alt', e.shiftKey && 'Shift'],
                             /^[a-z]$/i.test(e.key) ? e.key : (/^Key([A-Z])$/.exec(e.code) || [])[1] || e.key);
  const written = text => { const parts = text.split('+'); return chord(parts, parts.pop()); };

  function buildMenus() {
    const bar = document.getElementById('menubar');
    const keys = {};
    const shortcuts = {};  // menu items by the chords that choose them
    let open = null;
    let before = null;  // what had the focus before a menu took it
    const close = (refocus = false) => {
      if (!open) return;
      open.list.hidden = true;
      open.button.setAttribute('aria-expanded', 'false');
      open = null;
      if (refocus && before && before.focus) before.focus();
    };
    const items = list => [...list.querySelectorAll('[role^="menuitem"]')];
    const show = (button, list, first) => {
      if (!open) before = document.activeElement;
      close();
      list.hidden = false;
      button.setAttribute('aria-expanded', 'true');
      open = {button, list};
      // A menu that would reach past the viewport's right edge is moved left to fit.
      list.style.left = '0px';
      const over = list.getBoundingClientRect().right - document.documentElement.clientWidth;
      if (over > 0) list.style.left = `${-over / state.scale}px`;
      // Opened from the keyboard, the menu's first item is the one chosen, as in the window.
      if (first) items(list)[0].focus();
    };
    const menus = [];
    for (const m of layout.menus) {
      const wrap = document.createElement('div');
      wrap.className = 'menu';
      wrap.setAttribute('role', 'none');
      const button = document.createElement('button');
      button.type = 'button';
      button.id = m.name;
      button.setAttribute('role', 'menuitem');
      button.setAttribute('aria-haspopup', 'menu');
      button.setAttribute('aria-expanded', 'false');
      keys[caption(m.caption, button)] = button;
      const list = document.createElement('div');
      list.className = 'menu-items';
      list.setAttribute('role', 'menu');
      list.setAttribute('aria-label', button.textContent);
      list.hidden = true;
      for (const item of m.items) {
        if (item.separated) {
          const line = document.createElement('div');
          line.setAttribute('role', 'separator');
          line.addEventListener('click', e => e.stopPropagation());
          list.append(line);
        }
        const entry = document.createElement('button');
        entry.type = 'button';
        entry.id = item.name;
        entry.tabIndex = -1;
        entry.setAttribute('role', item.ticked ? 'menuitemcheckbox' : 'menuitem');
        if (item.ticked) entry.setAttribute('aria-checked', 'true');
        entry.classList.toggle('ticked', item.ticked);
        entry.append(document.createElement('span'));
        caption(item.caption, entry.firstChild);
        // The shortcut at the item's right, as a desktop menu shows it; said by screen readers from
        // aria-keyshortcuts, with Command for Ctrl too.
        const chords = [item.shortcut, item.otherShortcut].filter(Boolean);
        if (chords.length) {
          const shown = document.createElement('span');
          shown.className = 'shortcut';
          shown.setAttribute('aria-hidden', 'true');
          shown.textContent = item.shortcut;
          entry.append(shown);
          entry.setAttribute('aria-keyshortcuts', ['Control', 'Meta'].flatMap(
            k => chords.map(c => c.replace(/^Ctrl\+/, `${k}+`))).join(' '));
          for (const c of chords) shortcuts[written(c)] = item.name;
        }
        // A greyed item does nothing, and its menu stays open, as in the window.
        entry.addEventListener('click', e => {
          if (entry.getAttribute('aria-disabled') === 'true') { e.stopPropagation(); return; }
          close(true);
          input('click', item.name);
        });
        list.append(entry);
        el[item.name] = entry;
      }
      button.addEventListener('click', e => {
        e.stopPropagation();
        if (open && open.button === button) close();
        else show(button, list, e.detail === 0);
      });
      // In an open menu: Up and Down move through its items, Left and Right to the next menu that
      // can be used, Return chooses, Escape closes.
      wrap.addEventListener('keydown', e => {
        if (!open || open.button !== button) return;
        const all = items(list), at = all.indexOf(document.activeElement);
        const step = {ArrowDown: 1, ArrowUp: -1}[e.key];
        const side = {ArrowRight: 1, ArrowLeft: -1}[e.key];
        const n = menus.length, here = menus.indexOf(button);
        const next = side && [...Array(n - 1).keys()].map(k => menus[((here + side * (k + 1)) % n + n) % n])
          .find(b => !b.disabled);
        // From the menu's title, Down goes to the first item and Up to the last.
        if (step) all[((at < 0 && step < 0 ? all.length - 1 : at + step) + all.length) % all.length].focus();
        else if (next) show(next, next.nextElementSibling, true);
        else if (e.key === 'Escape') close(true);
        else return;
        e.preventDefault();
        e.stopPropagation();
      });
      wrap.append(button, list);
      bar.append(wrap);
      el[m.name] = button;
      menus.push(button);
    }
    document.addEventListener('click', () => close());
    document.addEventListener('keydown', e => {
      if (e.key === 'Escape') close();
      const button = e.altKey && keys[e.key.toLowerCase()];
      if (button && !button.disabled) {
        e.preventDefault();
        show(button, button.nextElementSibling, true);
      }
      // A menu item's shortcut clicks it, in its turn as any click, while none of the page's
      // dialogs is open.
      const item = shortcuts[pressed(e)];
      if (item && !document.querySelector('dialog[open]')) {
        e.preventDefault();
        close(true);
        input('click', item);
      }
    });
  }

  // ---- fitting the window to the screen -------------------------------------------------------
  // The whole window is scaled to the largest size that fits the browser's viewport, keeping its
  // shape, and centred. Where that gives up a tenth of the room or less, the scale is a whole
  // number of device pixels to a pixel of the window, so that the canvas stays crisp. Menus are
  // drawn at their own size on a window made smaller than life, so that they stay readable.
  // The self-check's bar, when an exercise link shows it, keeps the bottom of the viewport; the
  // exercise bar, when an exercise is open, stands beside the window or below it, whichever leaves
  // the window larger, and the window is fitted to the room left.
  const BAR_WIDTH = {least: 264, most: 480};
  function fit() {
    const win = document.getElementById('Form1');
    const w = win.offsetWidth, h = win.offsetHeight;
    const check = document.getElementById('self-check');
    const bar = document.getElementById('exercise');
    const vw = document.documentElement.clientWidth;
    const vh = document.documentElement.clientHeight - (check && !check.hidden ? check.offsetHeight : 0);
    if (!w || !h || vw <= 0 || vh <= 0) return;  // the page has ended, or there is no room at all
    const dpr = window.devicePixelRatio || 1;
    const scaled = (rw, rh) => {
      const margin = rw >= w + 16 && rh >= h + 16 ? 8 : 0;
      let scale = Math.max(0.01, Math.min((rw - 2 * margin) / w, (rh - 2 * margin) / h));
      const whole = Math.floor(scale * dpr);
      if (whole >= 1 && whole >= 0.9 * scale * dpr) scale = whole / dpr;
      return scale;
    };
    const snap = v => Math.max(0, Math.round(v * dpr) / dpr);
    let scale = scaled(vw, vh), barWidth = 0, barHeight = 0;
    if (bar && !bar.hidden) {
      // Below: as tall as it is at the viewport's width, up to half the viewport's height.
      placeBar(bar, 'below', 0, 0, vw, null);
      const content = bar.offsetHeight, tall = Math.min(content, vh / 2);
      const beside = scaled(vw - BAR_WIDTH.least, vh), below = scaled(vw, vh - tall);
      scale = Math.max(beside, below);
      if (beside >= below) barWidth = Math.min(BAR_WIDTH.most, Math.max(BAR_WIDTH.least, vw - w * scale - 16));
      else barHeight = Math.min(content, Math.max(tall, vh - h * scale - 16));
    }
    // Over the bar the window keeps the top of the viewport, as a page's heading does.
    const [x, y] = [snap((vw - barWidth - w * scale) / 2), barHeight ? 0 : snap((vh - h * scale) / 2)];
    win.style.transform = `translate(${x}px, ${y}px) scale(${scale})`;
    if (barWidth) placeBar(bar, 'beside', x + w * scale, 0, vw - x - w * scale, vh);
    else if (barHeight) placeBar(bar, 'below', 0, y + h * scale, vw, vh - y - h * scale);
    document.documentElement.style.setProperty('--unscale', String(Math.max(1, 1 / scale)));
    state.scale = scale;
    window.dispatchEvent(new Event('tova-fit'));
  }

  // Puts the exercise bar there (a height of null: as tall as it is), and the object panel's
  // picture at the largest scale up to 1 that the bar's width leaves room for.
  function placeBar(bar, place, left, top, width, height) {
    bar.dataset.place = place;
    Object.assign(bar.style, {left: `${left}px`, top: height === null ? 'auto' : `${top}px`, width: `${width}px`,
                              height: height === null ? 'auto' : `${height}px`, bottom: height === null ? '0' : 'auto'});
    const frame = el['O.frame'];
    if (!frame) return;
    const room = frame.parentElement, inside = room.parentElement.clientWidth;
    if (!inside) return;  // not shown
    const k = Math.min(1, inside / frame.offsetWidth);
    frame.style.transform = `scale(${k})`;
    Object.assign(room.style, {width: `${frame.offsetWidth * k}px`, height: `${frame.offsetHeight * k}px`});
  }

  // ---- running the program ----------------------------------------------------------------
  // One event at a time, as in the window: an event that comes while the program starts or runs
  // another ("GO" pausing between its steps, a save being stored) waits in the queue and is handed
  // over afterwards, in order, as the desktop's own queue does it: a click only if its control can
  // still be used then, a check box ticked only then, and moves that follow one another as one.
  // The queue's entries, by kind:
  //   {kind: 'input', event, control, x, y, held}  an event for the program (event: an input kind)
  //   {kind: 'toggle', name}                       a check box ticked while the program ran
  //   {kind: 'job', run}                           the page's own work (whenIdle)
  const queue = [];
  const names = {};  // the program's copies of control names, for the moves it is given directly
  const actionWatchers = [];
  const callWatchers = [];  // told the name of each of the program's entries run through call
  const startHooks = [];    // run once the program has started, before any event

  function enqueue(entry) {
    queue.push(entry);
    if (!state.busy) drain();
  }

  function input(event, control, x = 0, y = 0, held = false) {
    if (state.ended || !M) return;
    if (event === 'move' && !state.busy && !queue.length) {
      // A move never waits for anything (app/input.h), so it runs at once and is painted at once.
      names[control] = names[control] || newString(control);
      M._tova_input(layout.inputKinds.indexOf(event), names[control], x, y, held ? 1 : 0);
      paintAll();
      return;
    }
    const last = queue[queue.length - 1];
    if (event === 'move' && last && last.kind === 'input' && last.event === 'move' && last.control === control &&
        last.held === held) queue.pop();
    enqueue({kind: 'input', event, control, x, y, held});
  }

  // Runs `job` (which must not call into the program while it waits) once the events before it
  // are done.
  const whenIdle = job => enqueue({kind: 'job', run: job});
  // `watcher` is told of each action of the user's, anything but the pointer passing over, as it
  // runs.
  const onAction = watcher => actionWatchers.push(watcher);
  // `watcher` is told, with the entry's name, when the program has run one of its entries through
  // the queue (an event, but not a move given directly) or started, and its pictures are painted.
  const onCall = watcher => callWatchers.push(watcher);
  // `hook` (which may wait) runs once the program has started, before any event is handed over.
  const onStart = hook => startHooks.push(hook);

  // Gives an element another control name, for the queue to find it by.
  const alias = (name, node) => { el[name] = node; };

  // Whether a control (a menu item: it and its menu) can be used now.
  function usable(name) {
    const node = el[name] || document.getElementById(name);
    const menu = node && node.closest && node.closest('.menu');
    const own = menu ? menu.firstElementChild : node;
    return !!own && !own.disabled && !(own.querySelector && own.querySelector('input:disabled')) &&
           node.getAttribute('aria-disabled') !== 'true';
  }

  async function drain() {
    if (state.busy) return;
    state.busy = true;
    const told = () => { for (const watcher of actionWatchers) watcher(); };
    try {
      while (queue.length && !state.ended) {
        const entry = queue.shift();
        switch (entry.kind) {
          case 'job':
            try { entry.run(); } catch (e) { /* a page job that fails leaves the program's events to go on */ }
            break;
          case 'toggle':
            told();
            if (usable(entry.name)) valueInput(entry.name).checked ^= true;
            break;
          case 'input': {
            const {event, control, x, y, held} = entry;
            if (event !== 'move') told();
            if (event !== 'click' || usable(control)) {
              await call('tova_input', ['number', 'string', 'number', 'number', 'number'],
                         [layout.inputKinds.indexOf(event), control, x, y, held ? 1 : 0]);
            }
          }
        }
      }
    } finally {
      state.busy = false;
    }
  }

  // Runs one of the program's entries to its end (it may wait for the page's dialogs), then
  // paints what it drew and puts on the clipboard what it put there; resolves with what it returned.
  async function call(name, types, args) {
    try {
      return await M.ccall(name, 'number', types, args, {async: true});
    } finally {
      paintAll();
      flushClipboard();
      for (const watcher of callWatchers) watcher(name);
    }
  }

  // The 3D view is painted while it is shown: the program keeps what changed on it until then.
  const paintAll = () => {
    paint('P');
    if (!el['D.frame'].hidden) paint('D');
    if (el.O) paint('O');
  };

  // Puts on the page's canvas what changed on the program's surface, a band of rows at a time.
  function paint(name) {
    const count = M._tova_changes(boxes[name]);
    if (!count) return;
    const context = el[name].getContext('2d');
    const first = M._tova_change_rects() >> 2;
    const r = M.HEAP32.subarray(first, first + 4 * count);
    let at = M._tova_changed_pixels();
    for (let i = 0; i < 4 * count; i += 4) {
      const w = r[i + 2] - r[i], h = r[i + 3] - r[i + 1];
      context.putImageData(new ImageData(new Uint8ClampedArray(M.HEAPU8.buffer, at, w * h * 4), w, h), r[i], r[i + 1]);
      at += w * h * 4;
    }
  }

  const colour = rgb => `#${(rgb & 0xFFFFFF).toString(16).padStart(6, '0')}`;

  // ---- the shell's calls --------------------------------------------------------------------
  function enable(name, on) {
    const node = el[name];
    if (!node) return;
    // A greyed menu item can still be reached with the arrow keys, as in the window.
    if (node.closest && node.closest('.menu-items')) node.setAttribute('aria-disabled', String(!on));
    else if ('disabled' in node) node.disabled = !on;
    else node.classList.toggle('disabled', !on);
    const input = node.querySelector && node.querySelector('input');
    if (input) input.disabled = !on;
  }
  function show(name, visible) {
    const node = el[name + '.frame'] || el[name];
    if (node) node.hidden = !visible;
  }
  function backColour(name, rgb) { if (el[name]) el[name].style.background = colour(rgb); }
  function setText(name, text) { if (el[name]) el[name].value = text; }
  // The input that holds a scroll bar's position or a check box's value.
  const valueInput = name => el[name] && (el[name].type === 'range' ? el[name] : el[name].querySelector('input'));
  function value(name) {
    const input = valueInput(name);
    if (!input) return 0;
    return input.type === 'checkbox' ? (input.checked ? 1 : 0) : Number(input.value);
  }
  function setValue(name, v) {
    const input = valueInput(name);
    if (!input) return;
    if (input.type === 'checkbox') input.checked = v !== 0; else input.value = v;
  }

  let audio = null;
  function beep() {
    ++state.beeps;
    // The browser lets a page make sound only once the user has acted on it.
    if (!navigator.userActivation || !navigator.userActivation.hasBeenActive) return;
    try {
      audio = audio || new AudioContext();
      const tone = audio.createOscillator(), gain = audio.createGain();
      tone.frequency.value = 880;
      gain.gain.value = 0.08;
      tone.connect(gain).connect(audio.destination);
      tone.start();
      tone.stop(audio.currentTime + 0.08);
    } catch (e) { /* no sound: nothing else to do */ }
  }

  function dialog(node) {
    return new Promise(resolve => {
      node.addEventListener('close', () => resolve(node.returnValue), {once: true});
      node.returnValue = '';
      node.showModal();
    });
  }

  async function messageBox(text, title, okCancel, question) {
    const box = document.getElementById('box');
    document.getElementById('box-title').textContent = title;
    document.getElementById('box-text').textContent = text;
    const icon = document.getElementById('box-icon');
    icon.textContent = question ? '?' : '!';
    icon.className = `icon ${question ? 'question' : 'exclamation'}`;
    document.getElementById('box-input').hidden = true;
    document.getElementById('box-cancel').hidden = !okCancel;
    box.dataset.kind = 'message';
    return (await dialog(box)) === 'ok' ? 1 : 0;
  }

  async function prompt(text, title, preset) {
    const box = document.getElementById('box');
    document.getElementById('box-title').textContent = title;
    document.getElementById('box-text').textContent = text;
    document.getElementById('box-icon').className = 'icon none';
    const input = document.getElementById('box-input');
    input.hidden = false;
    input.value = preset;
    document.getElementById('box-cancel').hidden = false;
    box.dataset.kind = 'prompt';
    setTimeout(() => input.select());
    return (await dialog(box)) === 'ok' ? input.value : '';
  }

  // ---- files: the drawings folder in the browser's storage ----------------------------------
  // The program reads and writes files in its working folder, /drawings. Every drawing is kept as
  // a record of its own (drawings.js); the folder in memory only passes drawings to the program:
  // one is copied there from the store just before the program reads it, so that what another
  // tab saved is what this one reads. The program's saves go to the store alone.
  const folder = '/drawings';

  // The name a drawing is stored under for a path the program writes: a plain file name in the
  // working folder; null for anywhere else, which the browser cannot keep.
  function storedName(path) {
    path = path.trim();
    const name = path.startsWith(`${folder}/`) ? path.slice(folder.length + 1) : path.replace(/^(\.\/)+/, '');
    return name && !name.includes('/') && name !== '.' && name !== '..' ? name : null;
  }

  // Puts the stored drawing of that name in the folder in memory, or takes away a copy of one
  // that is no longer stored; returns its path there.
  async function stage(name) {
    const path = `${folder}/${name}`;
    const bytes = await TovaDrawings.read(name).catch(() => null);
    if (bytes) M.FS.writeFile(path, bytes);
    else if (M.FS.analyzePath(path).exists) M.FS.unlink(path);
    return path;
  }

  // The program's save: done once the browser has committed the drawing, false when it refuses.
  async function store(path, bytes) {
    const name = storedName(path);
    if (!name) return false;
    if (!state.persistAsked && navigator.storage && navigator.storage.persist) {
      // Asked once, at the first save: keep the site's storage under storage pressure.
      state.persistAsked = true;
      navigator.storage.persist().catch(() => {});
    }
    return TovaDrawings.write(name, bytes);
  }

  // Gives the user the bytes as a file of that name, in the browser's downloads; true once asked.
  function offerFile(name, bytes) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    return true;
  }

  async function download(name) {
    const bytes = await TovaDrawings.read(name).catch(() => null);
    if (bytes) offerFile(name, bytes);
  }

  async function openDialog(field) {
    const box = document.getElementById('open');
    const list = document.getElementById('open-list');
    const name = document.getElementById('open-name');
    const status = document.getElementById('open-status');
    const fill = async chosen => {
      const names = await TovaDrawings.list().catch(() => []);
      chosen = chosen || list.value;
      list.replaceChildren(...names.filter(n => /\.(krt|exercise)$/i.test(n)).map(n => new Option(n, n, false, n === chosen)));
    };
    status.textContent = '';
    name.value = field;
    // What another tab saves while the dialog is open is listed at once.
    TovaDrawings.onStored = () => fill();
    await fill();
    list.onchange = () => { name.value = list.value; };
    list.ondblclick = () => { if (list.value) box.close('ok'); };
    document.getElementById('open-download').onclick = () => { if (list.value) download(list.value); };
    const file = document.getElementById('open-file');
    document.getElementById('open-import').onclick = () => file.click();
    file.onchange = async () => {
      const picked = file.files[0];
      if (!picked) return;
      const base = picked.name.replace(/^.*[\\/]/, '');
      const bytes = new Uint8Array(await picked.arrayBuffer());
      file.value = '';
      if (!(await TovaDrawings.write(base, bytes))) {
        status.textContent = `The browser did not store ${base}.`;
        return;
      }
      await fill(base);
      name.value = base;
    };
    const answer = await dialog(box);
    TovaDrawings.onStored = null;
    const chosen = name.value.trim();
    if (answer !== 'ok' || !chosen) return null;
    const stored = storedName(chosen);
    return stored ? stage(stored) : chosen;
  }

  // What a call the program waits for answers; `otherwise` when the page fails, so that the
  // program always goes on.
  async function safely(work, otherwise) {
    try {
      return await work();
    } catch (e) {
      return otherwise;
    }
  }

  function newString(text) {
    if (text === null || text === undefined) return 0;
    const size = M.lengthBytesUTF8(text) + 1;
    const at = M._malloc(size);
    M.stringToUTF8(text, at, size);
    return at;
  }

  // ---- the clipboard -----------------------------------------------------------------------
  // What the program puts there in one event goes to the system's clipboard when the event is
  // over: the last picture put.
  function clearClipboard() { state.clip = null; }
  function putClipboard(pixels, width, height) {
    state.clip = new ImageData(new Uint8ClampedArray(M.HEAPU8.slice(pixels, pixels + width * height * 4).buffer),
                               width, height);
  }
  function flushClipboard() {
    const image = state.clip;
    if (!image) return;
    state.clip = null;
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    canvas.getContext('2d').putImageData(image, 0, 0);
    const png = new Promise(resolve => canvas.toBlob(resolve, 'image/png'));
    try {
      navigator.clipboard.write([new ClipboardItem({'image/png': png})])
        .then(() => { ++state.clipWrites; }, () => {});
    } catch (e) { /* the browser refuses: nothing changes */ }
  }
  async function clipboardPicture() {
    try {
      for (const item of await navigator.clipboard.read()) {
        if (!item.types.includes('image/png')) continue;
        const bitmap = await createImageBitmap(await item.getType('image/png'));
        const canvas = document.createElement('canvas');
        canvas.width = bitmap.width;
        canvas.height = bitmap.height;
        const context = canvas.getContext('2d');
        context.drawImage(bitmap, 0, 0);
        const rgba = new Uint32Array(context.getImageData(0, 0, bitmap.width, bitmap.height).data.buffer);
        const at = M._malloc(4 * (2 + rgba.length));
        const words = M.HEAPU32.subarray(at >> 2, (at >> 2) + 2 + rgba.length);
        words[0] = bitmap.width;
        words[1] = bitmap.height;
        words.set(rgba, 2);
        return at;
      }
    } catch (e) { /* refused or empty: nothing to paste */ }
    return 0;
  }

  function openHelp(path) { window.open(path.replace(/^\.\//, ''), '_blank', 'noopener'); }

  function end() {
    state.ended = true;
    document.getElementById('Form1').hidden = true;
    document.getElementById('ended').hidden = false;
    window.close();
  }

  // ---- start-up ------------------------------------------------------------------------------
  // The start-up drawing is found while the program loads: the drawing or exercise a link names
  // (?drawing=exercises/ex1.KRT or ?exercise=exercises/ex1.exercise, on this site), or the stored
  // "Tova.ini", which the first start makes from the sample. Resolves with its path in the
  // program's folders and its bytes (none when it cannot be had, which the program reports as a
  // missing file).
  async function linkedDrawing(path, folder = '/links') {
    try {
      const url = new URL(path, location.href);
      if (url.origin !== location.origin) return null;
      const reply = await fetch(url);
      if (!reply.ok) return null;
      return {path: `${folder}/${url.pathname.replace(/^.*\//, '') || 'drawing.KRT'}`,
              bytes: new Uint8Array(await reply.arrayBuffer())};
    } catch (e) {
      return null;
    }
  }

  async function storedStartup() {
    const never = TovaDrawings.neverStored();  // asked before the storage is opened
    const opened = TovaDrawings.open().then(() => true, () => false);
    const query = new URLSearchParams(location.search);
    const link = query.get('drawing') || query.get('exercise');
    if (link) {
      const [linked] = await Promise.all([linkedDrawing(link), opened]);
      return linked || {path: '/links/missing.KRT', bytes: null};
    }
    const path = `${folder}/Tova.ini`;
    // The sample, fetched while the storage opens (none offline on a first visit: the start-up
    // message says so).
    const sample = fetch('Tova.ini').then(reply => (reply.ok ? reply.arrayBuffer() : null))
        .then(b => b && new Uint8Array(b), () => null);
    if (await never) {
      // The first start shows the sample at once and stores it as the start-up document once the
      // page is up, without waiting for the browser to make the site's storage, which is slow.
      const bytes = await sample;
      if (bytes) document.addEventListener('tova-ready', () => TovaDrawings.writeIfMissing('Tova.ini', bytes), {once: true});
      return {path, bytes};
    }
    if (!(await opened)) return {path, bytes: null};
    let bytes = await TovaDrawings.read('Tova.ini').catch(() => null);
    if (!bytes) {
      // The sample becomes the start-up document; where the browser does not store it, it is
      // still what this start shows.
      bytes = await sample;
      if (bytes) bytes = (await TovaDrawings.writeIfMissing('Tova.ini', bytes)) || bytes;
    }
    return {path, bytes};
  }
  const startup = storedStartup();

  async function boot(module) {
    M = module;
    state.busy = true;  // events wait for the program to have started
    layout = JSON.parse(M.UTF8ToString(M._tova_layout()));
    build();
    fit();
    window.addEventListener('resize', fit);
    M.FS.mkdir(folder);
    M.FS.mkdir('/links');
    M.FS.chdir(folder);
    const first = await startup;
    if (first.bytes) M.FS.writeFile(first.path, first.bytes);
    try {
      await call('tova_start', ['string'], [first.path]);
      for (const hook of startHooks) await Promise.resolve().then(hook).catch(() => {});
    } finally {
      state.busy = false;
    }
    drain();
    window.addEventListener('beforeunload', e => {
      if (!state.ended && M._tova_changed()) { e.preventDefault(); e.returnValue = ''; }
    });
    state.ready = true;
    state.readyAt = performance.now();  // from the start of the navigation
    document.dispatchEvent(new Event('tova-ready'));
    // The site is kept for offline use, and offered for installing, once the page is up, so that
    // neither slows the first start (the browser renders the manifest's drawn icon as it reads it).
    if ('serviceWorker' in navigator && location.protocol !== 'file:') {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    }
    document.head.append(Object.assign(document.createElement('link'), {rel: 'manifest', href: 'manifest.webmanifest'}));
  }

  return {
    state, boot, input, whenIdle, onAction, onCall, onStart, run: call, picture, alias, fit, linkedDrawing, paint,
    paintAll, usable, safely, enable, show, backColour, setText, value, setValue, beep, messageBox, prompt,
    openDialog, offerFile, store, newString, clearClipboard, putClipboard, clipboardPicture, openHelp, end,
    get module() { return M; },
    get layout() { return layout; },
  };
})();

// Emscripten's module: the program starts once the WebAssembly is ready.
var Module = {
  locateFile: path => path,
  onRuntimeInitialized() { Tova.boot(Module); },
};
