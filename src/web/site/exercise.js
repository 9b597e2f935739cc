// An exercise in the page (?exercise=exercises/ex.exercise, or one opened): the exercise bar
// beside or below the window with the exercise's title and task, the last check's words, a button
// for each aid it offers and one to hand in, and the aids used so far; and "The object", the key's
// model in a panel of the bar, turned with the pointer or the arrow keys. The buttons are the
// program's controls, sent through the page's one queue. What the student has done on a linked
// exercise is kept in the browser's storage under the exercise's address, so that a reload goes
// on from there.
'use strict';

(() => {
  const $ = id => document.getElementById(id);
  const bar = $('exercise');
  // The aids in the order of the program's counts, with their buttons' ids.
  const AIDS = [['check', 'aid-check'], ['where', 'aid-where'], ['peek', 'aid-peek'], ['object', 'aid-object']];
  // The keys that turn the object, by the direction codes of the 3D view's buttons (0 right, then
  // clockwise): the arrows, and the keypad's corners.
  const TURNS = {ArrowRight: 0, PageDown: 1, ArrowDown: 2, End: 3, ArrowLeft: 4, Home: 5, ArrowUp: 6, PageUp: 7};
  const link = new URLSearchParams(location.search).get('exercise');
  const key = link && `tova-exercise ${new URL(link, location.href).href}`;
  let shown = null;   // what the bar shows, to change it only when that changes
  let now = null;     // the exercise as the program last said it
  let peeks = 0;      // peeks counted when the timer was last set
  let peekTimer = 0;
  let kept = null;    // the record last stored

  const read = entry => JSON.parse(Tova.module.UTF8ToString(Tova.module[entry]()));

  function build() {
    for (const id of [...AIDS.map(a => a[1]), 'hand-in']) $(id).addEventListener('click', () => Tova.input('click', id));
    const view = Tova.layout.view;
    const frame = Tova.picture({name: 'O', left: 0, top: 0, width: view.width, height: view.height,
                                tip: 'Move the pointer to turn it, click to stop or shift it; the arrow keys turn it a step'});
    bar.querySelector('.object-room').append(frame);
    const canvas = $('O');
    canvas.setAttribute('aria-label', "The object's model");
    canvas.setAttribute('aria-description', canvas.title);
    for (const code of Object.values(TURNS)) Tova.alias(`object-${code}`, canvas);
    canvas.addEventListener('keydown', e => {
      if (!(e.key in TURNS) || e.altKey || e.ctrlKey || e.metaKey) return;
      e.preventDefault();
      Tova.input('click', `object-${TURNS[e.key]}`);
    });
  }

  // Shows the exercise as the program has it now, and fits the page again when the bar changed.
  function refresh() {
    now = read('_tova_exercise');
    if (now && now.overlay === 'peek' && now.used[2] !== peeks) {
      // A peek just asked for: it ends after its time, between two events.
      peeks = now.used[2];
      clearTimeout(peekTimer);
      peekTimer = setTimeout(endPeek, 3000);
    }
    const face = JSON.stringify(now && [now.title, now.task, now.checkWords, now.aids, now.objectShown, now.usedWords]);
    if (face === shown) return;
    const opened = now && now.objectShown && !(shown && JSON.parse(shown)[4]);
    shown = face;
    bar.hidden = !now;
    if (now) {
      $('exercise-title').textContent = now.title;
      $('exercise-task').textContent = now.task;
      $('exercise-words').textContent = now.checkWords;
      for (const [aid, id] of AIDS) $(id).hidden = !now.aids.includes(aid);
      $('aid-object').setAttribute('aria-pressed', String(now.objectShown));
      $('object-panel').hidden = !now.objectShown;
      $('exercise-used').textContent = now.usedWords;
    }
    Tova.fit();
    if (opened) $('object-panel').scrollIntoView({block: 'nearest'});  // where the bar scrolls
  }

  function endPeek() {
    Tova.whenIdle(() => {
      if (Tova.module._tova_expire_peek()) Tova.paintAll();
      refresh();
      if (now && now.overlay === 'peek') peekTimer = setTimeout(endPeek, 50);  // the clocks differ a little
    });
  }

  // Keeps the student's work on the linked exercise; storage that refuses keeps nothing, and the
  // page goes on.
  function store() {
    if (!key || !now || !now.started) return;
    const record = JSON.stringify({exercise: `${now.title}\n${now.task}`, ...read('_tova_progress')});
    if (record === kept) return;
    try {
      localStorage.setItem(key, record);
      kept = record;
    } catch (e) { /* nothing kept */ }
  }

  // A reload of the linked exercise takes up the drawing and the counts where they were.
  async function restore() {
    refresh();
    if (!key || !now || !now.started) return;
    let record = null;
    try {
      record = JSON.parse(localStorage.getItem(key));
    } catch (e) { return; }
    if (!record || record.exercise !== `${now.title}\n${now.task}` || typeof record.progress !== 'string' ||
        typeof record.drawing !== 'string') return;
    await Tova.run('tova_restore', ['string', 'string'], [record.progress, record.drawing]);
  }

  Tova.onStart(() => {
    build();
    return restore();
  });
  Tova.onCall(name => {
    refresh();
    if (name === 'tova_input') store();
  });
  window.addEventListener('pagehide', store);
  document.addEventListener('visibilitychange', () => { if (document.hidden) store(); });
})();
