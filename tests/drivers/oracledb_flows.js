// node-oracledb in thick mode against the library, installed under the vendor's name.
//   VSK_ORACLEDB  directory of the installed npm package `oracledb`
//   VSK_LIB_DIR   directory holding libclntsh.so (a link to the library)
//   VSK_TEST_PGENV_TCP  the private cluster's TCP conninfo (host=... port=... user=... ...)
// Exits with 77 (skipped) when the driver is not installed. Pool checks are skipped
// while the library answers them with 3001 (unsupported feature).
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { spawnSync } = require('node:child_process');

if (!fs.existsSync(path.join(process.env.VSK_ORACLEDB || '', 'package.json'))) {
  console.log(`driver not installed at ${process.env.VSK_ORACLEDB}: skipped`);
  process.exit(77);
}

const { test, before, after } = require('node:test');
const oracledb = require(process.env.VSK_ORACLEDB);

function conninfo() {
  const text = fs.readFileSync(process.env.VSK_TEST_PGENV_TCP, 'utf8').trim();
  const fields = {};
  for (const pair of text.split(/\s+/)) {
    const eq = pair.indexOf('=');
    fields[pair.slice(0, eq)] = pair.slice(eq + 1);
  }
  return {
    user: fields.user,
    password: fields.password,
    connectString: `${fields.host}:${fields.port}/${fields.dbname}`,
  };
}

const params = conninfo();
const UNSUPPORTED = 3001;
const MIB = 1024 * 1024;
let conn;

// Runs body; a 3001 from the library (a feature still to come) skips the check.
async function unlessUnsupported(t, body) {
  try {
    await body();
  } catch (e) {
    if (e.errorNum === UNSUPPORTED) {
      t.skip(`unsupported: ${e.message}`);
      return;
    }
    throw e;
  }
}

async function rowsOf(c, sql, binds = {}, options = {}) {
  const r = await c.execute(sql, binds, { outFormat: oracledb.OUT_FORMAT_OBJECT, ...options });
  return r.rows;
}

async function dropTable(c, name) {
  await c.execute(`drop table if exists ${name}`);
}

// The LOB flow runs in a process of its own: its megabyte values stay out of the main
// run's heap, and a fault in a LOB call ends that process rather than the run.
if (process.argv[2] === '--lob-flow') {
  (async () => {
    oracledb.initOracleClient({ libDir: process.env.VSK_LIB_DIR });
    const c = await oracledb.getConnection(params);
    try {
      await lobFlow(c);
    } finally {
      await c.close();
    }
  })().then(() => process.exit(0), (e) => {
    console.error(e);
    process.exit(1);
  });
  return;
}

before(async () => {
  oracledb.initOracleClient({ libDir: process.env.VSK_LIB_DIR });
  conn = await oracledb.getConnection(params);
});

after(async () => {
  if (conn) await conn.close();
});

test('loads in thick mode and reports a client version the driver accepts', () => {
  assert.equal(oracledb.thin, false);
  assert.ok(oracledb.oracleClientVersion >= 1901000000, `client version ${oracledb.oracleClientVersion}`);
  assert.match(oracledb.oracleClientVersionString, /^19\./);
});

test('a standalone connection runs a query and answers ping', async () => {
  const rows = await rowsOf(conn, 'select 1 + 1 as two, \'x\' || \'y\' as xy');
  assert.deepEqual(rows, [{ TWO: 2, XY: 'xy' }]);
  await conn.ping();
  assert.ok(conn.oracleServerVersion > 0);
});

test('creates a table and round-trips number, string, date, NULL and Buffer binds', async () => {
  await dropTable(conn, 'drv_values');
  await conn.execute(`create table drv_values (id numeric(9) primary key, name varchar(40),
      price numeric(10,2), ratio float8, created timestamp, day date, raw bytea, note text)`);
  const created = new Date(2024, 2, 5, 10, 11, 12, 345);
  const day = new Date(2023, 11, 31);
  const result = await conn.execute(
    `insert into drv_values (id, name, price, ratio, created, day, raw, note)
       values (:id, :name, :price, :ratio, :created, :day, :raw, :note)`,
    {
      id: 1,
      name: 'Zoë',
      price: 12.5,
      ratio: -0.125,
      created,
      day,
      raw: Buffer.from([0, 1, 2, 254, 255]),
      note: null,
    },
    { autoCommit: true });
  assert.equal(result.rowsAffected, 1);

  // A table's bytea and text are BLOB and CLOB: asked for as a Buffer and a string.
  const rows = await rowsOf(conn, 'select * from drv_values where id = :id', [1],
    { fetchInfo: { RAW: { type: oracledb.BUFFER }, NOTE: { type: oracledb.STRING } } });
  assert.equal(rows.length, 1);
  const row = rows[0];
  assert.equal(row.ID, 1);
  assert.equal(row.NAME, 'Zoë');
  assert.equal(row.PRICE, 12.5);
  assert.equal(row.RATIO, -0.125);
  assert.equal(row.CREATED.getTime(), created.getTime());
  assert.equal(row.DAY.getTime(), day.getTime());
  assert.deepEqual(row.RAW, Buffer.from([0, 1, 2, 254, 255]));
  assert.equal(row.NOTE, null);
});

test('executeMany inserts rows, with row counts per bind row', async () => {
  await dropTable(conn, 'drv_many');
  await conn.execute('create table drv_many (id numeric(9) primary key, grp numeric(3), name varchar(20))');
  const rows = [];
  for (let i = 1; i <= 6; i++) rows.push({ id: i, grp: i % 2, name: `row ${i}` });
  const bindDefs = {
    id: { type: oracledb.NUMBER },
    grp: { type: oracledb.NUMBER },
    name: { type: oracledb.STRING, maxSize: 20 },
  };
  const inserted = await conn.executeMany('insert into drv_many values (:id, :grp, :name)', rows,
    { bindDefs, autoCommit: true });
  assert.equal(inserted.rowsAffected, 6);

  const updated = await conn.executeMany('update drv_many set name = name || \'!\' where grp = :1',
    [[0], [1], [7]], { dmlRowCounts: true, autoCommit: true });
  assert.deepEqual(updated.dmlRowCounts, [3, 3, 0]);
  assert.equal(updated.rowsAffected, 6);
  const names = await rowsOf(conn, 'select name from drv_many order by id');
  assert.deepEqual(names.map((r) => r.NAME), ['row 1!', 'row 2!', 'row 3!', 'row 4!', 'row 5!', 'row 6!']);
});

test('executeMany with batchErrors reports the failing rows and keeps the others', async () => {
  const rows = [[10, 1, 'ten'], [2, 1, 'duplicate'], [11, 1, 'eleven'], [4, 1, 'duplicate too']];
  const result = await conn.executeMany('insert into drv_many values (:1, :2, :3)', rows,
    { batchErrors: true, dmlRowCounts: true });
  assert.equal(result.batchErrors.length, 2);
  assert.deepEqual(result.batchErrors.map((e) => e.offset), [1, 3]);
  for (const e of result.batchErrors) assert.equal(e.errorNum, 1);
  assert.deepEqual(result.dmlRowCounts, [1, 0, 1, 0]);
  await conn.commit();
  const ids = await rowsOf(conn, 'select id from drv_many order by id');
  assert.deepEqual(ids.map((r) => r.ID), [1, 2, 3, 4, 5, 6, 10, 11]);
});

test('query metadata gives names, types, precision and scale', async () => {
  const r = await conn.execute(`select id, name, price, ratio, created, day, raw, note,
      note || name as note_expr, raw || raw as raw_expr from drv_values`);
  const meta = Object.fromEntries(r.metaData.map((m) => [m.name, m]));
  assert.deepEqual(Object.keys(meta),
    ['ID', 'NAME', 'PRICE', 'RATIO', 'CREATED', 'DAY', 'RAW', 'NOTE', 'NOTE_EXPR', 'RAW_EXPR']);
  assert.equal(meta.ID.dbType, oracledb.DB_TYPE_NUMBER);
  assert.equal(meta.ID.precision, 9);
  assert.equal(meta.ID.scale, 0);
  assert.equal(meta.PRICE.dbType, oracledb.DB_TYPE_NUMBER);
  assert.equal(meta.PRICE.precision, 10);
  assert.equal(meta.PRICE.scale, 2);
  assert.equal(meta.NAME.dbType, oracledb.DB_TYPE_VARCHAR);
  assert.equal(meta.NAME.byteSize, 40 * 4);
  assert.equal(meta.RATIO.dbType, oracledb.DB_TYPE_BINARY_DOUBLE);
  assert.equal(meta.CREATED.dbType, oracledb.DB_TYPE_TIMESTAMP);
  assert.equal(meta.DAY.dbType, oracledb.DB_TYPE_DATE);
  assert.equal(meta.RAW.dbType, oracledb.DB_TYPE_BLOB);
  assert.equal(meta.NOTE.dbType, oracledb.DB_TYPE_CLOB);
  assert.equal(meta.NOTE_EXPR.dbType, oracledb.DB_TYPE_VARCHAR);
  assert.ok(meta.NOTE_EXPR.byteSize >= 4000);
  assert.equal(meta.RAW_EXPR.dbType, oracledb.DB_TYPE_RAW);
  assert.equal(meta.ID.nullable, false);
  assert.equal(meta.NAME.nullable, true);
});

test('result sets are fetched in batches', async () => {
  const rs = (await conn.execute('select g as n, \'v\' || g as v from generate_series(1, 10) g order by g', [],
    { resultSet: true, fetchArraySize: 3 })).resultSet;
  const batches = [];
  for (;;) {
    const rows = await rs.getRows(4);
    if (rows.length === 0) break;
    batches.push(rows.map((r) => r[0]));
  }
  await rs.close();
  assert.deepEqual(batches, [[1, 2, 3, 4], [5, 6, 7, 8], [9, 10]]);
});

test('DATE and TIMESTAMP values with time zones are fetched as the same instants', async () => {
  const rows = await rowsOf(conn, `select date '2024-03-05' as d,
      timestamp '2024-03-05 10:11:12.5' as ts,
      timestamptz '2024-03-05 10:11:12+02' as tstz,
      timestamptz '1999-12-31 23:59:59-08' as west`);
  const row = rows[0];
  assert.equal(row.D.getTime(), new Date(2024, 2, 5).getTime());
  assert.equal(row.TS.getTime(), new Date(2024, 2, 5, 10, 11, 12, 500).getTime());
  assert.equal(row.TSTZ.getTime(), Date.UTC(2024, 2, 5, 8, 11, 12));
  assert.equal(row.WEST.getTime(), Date.UTC(2000, 0, 1, 7, 59, 59));
});

test('commit keeps a change and rollback undoes one, as another connection sees', async () => {
  await dropTable(conn, 'drv_tx');
  await conn.execute('create table drv_tx (id numeric(9))');
  const other = await oracledb.getConnection(params);
  try {
    await conn.execute('insert into drv_tx values (1)');
    await conn.rollback();
    await conn.execute('insert into drv_tx values (2)');
    assert.deepEqual(await rowsOf(other, 'select id from drv_tx'), []);
    await conn.commit();
    assert.deepEqual(await rowsOf(other, 'select id from drv_tx'), [{ ID: 2 }]);
  } finally {
    await other.close();
  }
});

test('a unique violation reports its number and leaves the transaction usable', async () => {
  await conn.execute('insert into drv_tx values (3)');
  await assert.rejects(conn.execute('insert into drv_many values (1, 0, \'again\')'), (e) => {
    assert.equal(e.errorNum, 1);
    return true;
  });
  await conn.commit();
  assert.deepEqual(await rowsOf(conn, 'select id from drv_tx order by id'), [{ ID: 2 }, { ID: 3 }]);
});

test('break ends a long query and the connection stays usable', async () => {
  const timer = setTimeout(() => conn.break().catch(() => {}), 500);
  await assert.rejects(conn.execute('select pg_sleep(60)'), (e) => {
    assert.equal(e.errorNum, 1013);
    return true;
  });
  clearTimeout(timer);
  assert.deepEqual(await rowsOf(conn, 'select 7 as seven'), [{ SEVEN: 7 }]);
});

// Writes 1 MiB through LOB binds, checks what the server stored, and reads the values
// back as Lob objects and as strings and Buffers; throws on a wrong value.
async function lobFlow(c) {
  await dropTable(c, 'drv_lobs');
  await c.execute('create table drv_lobs (id numeric(9), c text, b bytea, v varchar(20))');
  const text = 'abcdefghé'.repeat(MIB / 8).slice(0, MIB);
  const bytes = Buffer.alloc(MIB);
  for (let i = 0; i < bytes.length; i++) bytes[i] = (i * 7) & 0xff;
  await c.execute('insert into drv_lobs values (1, :c, :b, :v)',
    { c: { val: text, type: oracledb.CLOB }, b: { val: bytes, type: oracledb.BLOB }, v: 'short' },
    { autoCommit: true });
  await c.execute('insert into drv_lobs values (2, :c, :b, null)', { c: 'tiny é', b: Buffer.from([1, 2]) },
    { autoCommit: true });
  // What the server stored, by length and digest.
  const crypto = require('crypto');
  const md5 = (v) => crypto.createHash('md5').update(v).digest('hex');
  const stored = await c.execute('select length(c) as lc, md5(c) as mc, length(b) as lb, md5(b) as mb '
    + 'from drv_lobs where id = 1', [], { outFormat: oracledb.OUT_FORMAT_OBJECT });
  assert.deepEqual(stored.rows[0], { LC: MIB, MC: md5(Buffer.from(text, 'utf8')), LB: MIB, MB: md5(bytes) });

  const query = 'select id, c, b, v, case when id = 2 then c || \'\' end as c_expr from drv_lobs order by id';
  const opts = { outFormat: oracledb.OUT_FORMAT_OBJECT };
  // A table's text and bytea columns are CLOB and BLOB; varchar and expressions are not.
  const asLobs = await c.execute(query, [], opts);
  const meta = Object.fromEntries(asLobs.metaData.map((m) => [m.name, m.dbType]));
  assert.deepEqual(meta, { ID: oracledb.DB_TYPE_NUMBER, C: oracledb.DB_TYPE_CLOB, B: oracledb.DB_TYPE_BLOB,
    V: oracledb.DB_TYPE_VARCHAR, C_EXPR: oracledb.DB_TYPE_VARCHAR });
  const [big, small] = asLobs.rows;
  assert.ok(big.C instanceof oracledb.Lob && big.B instanceof oracledb.Lob);
  assert.equal(big.C.type, oracledb.DB_TYPE_CLOB);
  assert.equal(big.B.type, oracledb.DB_TYPE_BLOB);
  assert.equal(big.C.length, MIB);
  assert.equal(big.B.length, MIB);
  assert.ok((await big.C.getData()) === text, 'CLOB read through its Lob differs');
  assert.ok(bytes.equals(await big.B.getData()), 'BLOB read through its Lob differs');
  assert.equal(await small.C.getData(), 'tiny é');
  assert.deepEqual(await small.B.getData(), Buffer.from([1, 2]));
  assert.equal(big.V, 'short');
  assert.equal(small.V, null);
  for (const row of asLobs.rows) {
    row.C.destroy();
    row.B.destroy();
  }

  // The same columns as strings and Buffers, in one fetch.
  oracledb.fetchAsString = [oracledb.CLOB];
  oracledb.fetchAsBuffer = [oracledb.BLOB];
  try {
    const rows = (await c.execute(query, [], opts)).rows;
    assert.equal(typeof rows[0].C, 'string');
    assert.ok(rows[0].C === text, 'CLOB fetched as a string differs');
    assert.ok(Buffer.isBuffer(rows[0].B) && bytes.equals(rows[0].B), 'BLOB fetched as a Buffer differs');
    assert.equal(rows[0].C_EXPR, null);
    assert.deepEqual(rows[1], { ID: 2, C: 'tiny é', B: Buffer.from([1, 2]), V: null, C_EXPR: 'tiny é' });
  } finally {
    oracledb.fetchAsString = [];
    oracledb.fetchAsBuffer = [];
  }
  // A computed text is a VARCHAR2 of 4000 characters: a longer value is refused, never cut.
  await assert.rejects(c.execute('select c || \'\' as c_expr from drv_lobs where id = 1'), (e) => {
    assert.match(e.message, /^DPI-1037:.* 1406/);
    return true;
  });
  await dropTable(c, 'drv_lobs');
}

test('1 MiB CLOB and BLOB values written and read back through text and bytea columns', () => {
  const child = spawnSync(process.execPath, [__filename, '--lob-flow'], { encoding: 'utf8', timeout: 120000 });
  assert.equal(child.status, 0, child.stderr);
});

test('a pool hands out connections that run statements', async (t) => {
  await unlessUnsupported(t, async () => {
    const pool = await oracledb.createPool({ ...params, poolMin: 1, poolMax: 3, poolIncrement: 1 });
    try {
      const a = await pool.getConnection();
      const b = await pool.getConnection();
      assert.equal(pool.connectionsInUse, 2);
      assert.deepEqual(await rowsOf(a, 'select 1 as one'), [{ ONE: 1 }]);
      assert.deepEqual(await rowsOf(b, 'select count(*) as n from drv_many'), [{ N: 8 }]);
      await a.close();
      await b.close();
      assert.equal(pool.connectionsInUse, 0);
    } finally {
      await pool.close(0);
    }
  });
});

test('closing everything leaves no driver connection on the server', async () => {
  await dropTable(conn, 'drv_values');
  await dropTable(conn, 'drv_many');
  await dropTable(conn, 'drv_tx');
  await dropTable(conn, 'drv_lobs');
  await conn.close();
  conn = null;
  const check = await oracledb.getConnection(params);
  try {
    // Backends end shortly after their clients leave: look a bounded number of times.
    let others;
    for (let i = 0; i < 50; i++) {
      others = (await rowsOf(check, `select count(*) as n from pg_stat_activity
          where application_name like 'node-oracledb%' and pid <> pg_backend_pid()`))[0].N;
      if (others === 0) break;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    assert.equal(others, 0);
  } finally {
    await check.close();
  }
});
