// The self-check of an exercise link (?drawing=ex/ex1.KRT&key=ex/ex1-key.KRT): a "Check" button
// beside the window compares the drawing as it stands with the key and says how well it matches
// and, view by view, what differs; the differences lie over the canvas until the user's next
// action. The drawing, and what the canvas shows of it, stay as they are.
'use strict';

(() => {
  const link = new URLSearchParams(location.search).get('key');
  if (!link) return;
  const folder = '/keys';
  let key = null;  // {path, bytes}, once fetched

  const fetchKey = () => Tova.linkedDrawing(link, folder);
  let fetching = fetchKey();

  const button = document.getElementById('check');
  const result = document.getElementById('check-result');
  let overlay = null;
  const clear = () => { if (overlay) overlay.remove(); overlay = null; };

  // Compares, between two of the program's events, the drawing with the key.
  function compare() {
    const M = Tova.module;
    if (!M.FS.analyzePath(folder).exists) M.FS.mkdir(folder);
    M.FS.writeFile(key.path, key.bytes);
    const answer = JSON.parse(M.UTF8ToString(M.ccall('tova_check', 'number', ['string'], [key.path])));
    clear();
    if (answer.error) {
      result.textContent = `The key cannot be read: ${answer.error}.`;
      return;
    }
    result.textContent = `${answer.score}%: ${answer.counts}`;
    const words = document.getElementById('check-words');
    words.querySelector('ul').replaceChildren(...answer.sentences.map(sentence => {
      const item = document.createElement('li');
      item.textContent = sentence;
      return item;
    }));
    words.hidden = !answer.sentences.length;
    overlay = document.createElement('div');
    overlay.className = 'check-overlay';
    overlay.innerHTML = answer.overlay;
    document.getElementById('P').after(overlay);
  }

  button.addEventListener('click', async () => {
    key = key || await fetching;
    if (!key) {
      fetching = fetchKey();  // the next click tries again
      result.textContent = `The key ${link} cannot be fetched.`;
      return;
    }
    Tova.whenIdle(compare);
  });

  const show = () => {
    document.getElementById('self-check').hidden = false;
    Tova.onAction(clear);
    Tova.fit();
  };
  if (Tova.state.ready) show();
  else document.addEventListener('tova-ready', show, {once: true});
})();
