// The tab's recovery copy (history/recovery.h): the program gives the drawing whenever it differs
// from the one last read, started or saved, and the page keeps it in localStorage under the tab's
// own id, at once, so that a crash, a closed tab or a tab the browser discarded loses nothing. The
// id lives in sessionStorage, which a reload, a restored session and a discarded tab's reload
// keep; the tab holds a Web Lock of the same name for as long as it lives, so that a copy whose
// lock nobody holds was left by a tab that is gone. At start the page offers its own copy, or
// else the newest one a gone tab left: one question at most.
'use strict';

window.TovaRecovery = (() => {
  const PREFIX = 'tova-recovery ', TAB = 'tova-tab';
  const locks = navigator.locks;
  let key = null;      // this tab's, once settled
  let waiting = null;  // a copy given before then

  const newId = () => (crypto.randomUUID ? crypto.randomUUID()
                                         : `${Date.now().toString(36)}-${Math.random().toString(36).slice(2)}`);

  // Holds the lock of that name for the tab's life; resolves with whether it was free.
  const hold = name => new Promise(resolve => {
    locks.request(name, {ifAvailable: true}, lock => {
      resolve(!!lock);
      return lock && new Promise(() => {});
    }).catch(() => resolve(false));
  });

  // The tab's id: the one sessionStorage kept, unless another tab holds its lock (a duplicated
  // tab, which copied that storage), then a new one. Without Web Locks (not a secure context) the
  // id is kept but no copy of another tab is ever offered.
  let locked = false;
  const settled = (async () => {
    let id = null;
    try { id = sessionStorage.getItem(TAB); } catch (e) { /* none kept */ }
    for (let tries = 0; locks && !locked && tries < 4; ++tries) {
      if (!id || tries) id = newId();
      locked = await hold(PREFIX + id);
    }
    id = id || newId();
    try { sessionStorage.setItem(TAB, id); } catch (e) { /* this tab's copy lasts until it ends */ }
    key = PREFIX + id;
    if (waiting !== null) write(waiting);
  })();

  const text = bytes => {  // one character a byte, so that any bytes come back as they were
    let s = '';
    for (let i = 0; i < bytes.length; i += 8192) s += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    return s;
  };

  // Keeps the copy whole in place of the last one; empty removes it. Where the storage refuses,
  // the copy stored before stays, and nothing stops.
  function write(copy) {
    try {
      if (copy) localStorage.setItem(key, JSON.stringify({at: Date.now(), copy}));
      else localStorage.removeItem(key);
    } catch (e) { /* nothing kept */ }
  }
  function keep(bytes) {
    const copy = text(bytes);
    if (key) write(copy);
    else waiting = copy;
  }

  function read(name) {
    try {
      const raw = localStorage.getItem(name);
      if (raw === null) return null;
      try {
        const record = JSON.parse(raw);
        if (record && typeof record.copy === 'string') return {name, at: Number(record.at) || 0, copy: record.copy};
      } catch (e) { /* not a record: the program finds it damaged */ }
      return {name, at: 0, copy: raw};
    } catch (e) {
      return null;
    }
  }
  const remove = name => { try { localStorage.removeItem(name); } catch (e) { /* stays */ } };

  // The program offers the copy; true when its drawing now stands.
  async function offer(found, ask) {
    const M = Tova.module, bytes = Uint8Array.from(found.copy, c => c.charCodeAt(0));
    const at = M._malloc(bytes.length || 1);
    M.HEAPU8.set(bytes, at);
    try {
      const numbers = ['number', 'number', 'number'];
      return (await Tova.run('tova_offer_recovery', numbers, [at, bytes.length, ask ? 1 : 0])) === 1;
    } finally {
      M._free(at);
    }
  }

  // Offers this tab's copy (a reload after a crash, a tab closed and restored: asked first; a
  // discarded tab's: put back without a question), taken away unless its drawing now stands;
  // without one, the newest copy of a tab that is gone, asked first, and taken away whatever the
  // answer (a restored drawing is this tab's copy by then). The gone tab's lock is held while it
  // is offered, so that two tabs starting at once do not both offer it.
  async function start() {
    await settled;
    const own = read(key);
    if (own) {
      if (!(await offer(own, !document.wasDiscarded))) remove(key);
      return;
    }
    if (!locked) return;
    const left = [];
    try {
      for (let i = 0; i < localStorage.length; ++i) {
        const name = localStorage.key(i);
        if (name.startsWith(PREFIX) && name !== key) left.push(read(name));
      }
    } catch (e) { return; }
    for (const found of left.filter(Boolean).sort((a, b) => b.at - a.at)) {
      const offered = await locks.request(found.name, {ifAvailable: true}, async lock => {
        if (!lock) return false;
        await offer(found, true);
        remove(found.name);
        return true;
      }).catch(() => false);
      if (offered) return;
    }
  }

  Tova.onStart(start);
  return {keep};
})();
