// The drawings folder of the page: each drawing is a record of its own in the browser's IndexedDB,
// keyed by its file name and written or read in a transaction of its own, so that any number of
// tabs may save, open and list drawings at once without one undoing another's work. A write is
// done when the browser has committed it; a refusal (storage full, blocked, private mode) is a
// failed write, and the record stored before stays as it was.
'use strict';

window.TovaDrawings = (() => {
  const DB = 'tova', STORE = 'drawings';
  // The folder the page used before drawings were records of their own: Emscripten's IDBFS kept
  // it as one database named after the folder, keyed by path.
  const OLD_DB = '/drawings', OLD_STORE = 'FILE_DATA', OLD_PREFIX = '/drawings/';
  const channel = 'BroadcastChannel' in window ? new BroadcastChannel('tova-drawings') : null;
  let connection = null;  // a promise of the open database, made again after it is closed

  const done = request => new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });

  // The database, opened when first needed and again whenever it was closed (by the browser, by
  // clearing the site's data, or for a newer page that changes it) or could not be opened.
  function database() {
    connection = connection || new Promise((resolve, reject) => {
      const request = indexedDB.open(DB, 1);
      request.onupgradeneeded = () => request.result.createObjectStore(STORE);
      done(request).then(db => {
        db.onversionchange = () => { db.close(); connection = null; };
        db.onclose = () => { connection = null; };
        resolve(db);
      }, reject);
    }).catch(e => {
      connection = null;
      throw e;
    });
    return connection;
  }

  // Runs `work(store)` in one transaction and resolves with what it gave once the transaction has
  // committed; rejects when the browser refuses or aborts it. A user's drawing is written with a
  // commit that is on the disk when it resolves.
  async function transaction(mode, work, durability = 'strict') {
    const db = await database();
    return new Promise((resolve, reject) => {
      const tx = db.transaction(STORE, mode, mode === 'readwrite' ? {durability} : undefined);
      let result;
      tx.oncomplete = () => resolve(result);
      tx.onabort = tx.onerror = () => reject(tx.error || new DOMException('refused', 'AbortError'));
      Promise.resolve(work(tx.objectStore(STORE))).then(r => { result = r; }, e => {
        try { tx.abort(); } catch (ignored) { /* already over */ }
        reject(e);
      });
    });
  }

  // The names of the site's databases, listed once as the page starts; null where the browser
  // cannot list them. Listing is quick where opening a database the first time is not (the browser
  // makes the site's storage then), and is answered first when asked first.
  let listed = null;
  const databases = () => (listed = listed || new Promise(resolve => resolve(indexedDB.databases()))
      .then(list => list.map(d => d.name), () => null));

  // Drawings the earlier page kept are taken over at every start while its database is there: each
  // one that is not stored here, or is stored here from before it was saved there (a tab of the
  // earlier page may still be open and saving). That database is left as it is.
  async function adoptOldFolder() {
    const names = await databases();
    if (!names || !names.includes(OLD_DB)) return;
    const request = indexedDB.open(OLD_DB);
    request.onupgradeneeded = () => request.transaction.abort();  // gone since: nothing to take
    const old = await done(request);
    try {
      if (!old.objectStoreNames.contains(OLD_STORE)) return;
      const tx = old.transaction(OLD_STORE, 'readonly');
      const [keys, values] = await Promise.all([done(tx.objectStore(OLD_STORE).getAllKeys()),
                                                done(tx.objectStore(OLD_STORE).getAll())]);
      const files = keys.map((key, i) => [String(key), values[i]])
          .filter(([key, v]) => key.startsWith(OLD_PREFIX) && !key.slice(OLD_PREFIX.length).includes('/') &&
                                v && v.contents instanceof Uint8Array && !key.endsWith('.saving'));
      if (!files.length) return;
      await transaction('readwrite', async store => {
        for (const [key, v] of files) {
          const name = key.slice(OLD_PREFIX.length), saved = Number(v.timestamp) || 0;
          const kept = await done(store.get(name));
          if (!kept || kept.saved < saved) store.put({bytes: v.contents, saved}, name);
        }
      });
    } finally {
      old.close();
    }
  }

  // Opens the storage and takes over the earlier page's drawings; rejects when the browser gives
  // the page no storage.
  async function open() {
    await database();
    await adoptOldFolder().catch(() => {});
  }

  // Whether this browser holds no drawings of the page at all, neither here nor in the earlier
  // page's folder: a first visit. Where the browser cannot list its databases, the answer is no,
  // and the folder is opened to see.
  async function neverStored() {
    const names = await databases();
    return !!names && !names.includes(DB) && !names.includes(OLD_DB);
  }

  // The stored drawings' names, in order.
  const list = () => transaction('readonly', store => done(store.getAllKeys())).then(keys => keys.map(String).sort());

  // A drawing's bytes, or null when none of that name is stored.
  const read = name => transaction('readonly', store => done(store.get(name))).then(r => (r ? r.bytes : null));

  // Stores a drawing whole under its name; true once the browser has committed it.
  async function write(name, bytes) {
    try {
      await transaction('readwrite', store => { store.put({bytes, saved: Date.now()}, name); });
    } catch (e) {
      return false;
    }
    if (channel) channel.postMessage({saved: name});
    return true;
  }

  // Stores a copy of a drawing the site has (the sample) where none of that name is stored yet:
  // two tabs may try at once. Resolves with the bytes stored under the name, null when the browser
  // refuses.
  const writeIfMissing = (name, bytes) => transaction('readwrite', async store => {
    const kept = await done(store.get(name));
    if (kept) return kept.bytes;
    store.put({bytes, saved: Date.now()}, name);
    return bytes;
  }, 'relaxed').catch(() => null);

  // onStored, when set, is called with a drawing's name when another tab has stored one.
  const drawings = {open, neverStored, list, read, write, writeIfMissing, onStored: null};
  if (channel) channel.onmessage = e => { if (drawings.onStored) drawings.onStored(e.data.saved); };
  return drawings;
})();
