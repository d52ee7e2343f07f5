-- The roles of a ledger on a shared PostgreSQL server. Run once per ledger, as a superuser,
-- in the ledger's database, together with postgresql-schema.sql (the ledger's schema and the
-- application role's rights on it):
--
--   psql -v ON_ERROR_STOP=1 -v schema=ksiega -v owner=ksiega_owner -v app=ksiega_app \
--        -f docs/postgresql-roles.sql -f docs/postgresql-schema.sql DBNAME
--
-- then give both roles passwords (\password ksiega_owner, \password ksiega_app).
--
--   owner  owns the schema and every table, view and sequence in it. Only it creates the
--          schema's contents and upgrades them (`ksiega demo`, the first run of a new version).
--   app    the role the program runs as day to day: not a superuser, owns nothing, may not
--          create anything but temporary tables; it reads and writes the rows of its own
--          schema and nothing else.

CREATE ROLE :"owner" LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE NOREPLICATION;
CREATE ROLE :"app" LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE NOREPLICATION NOINHERIT;

-- Both connect to the ledger's database and create temporary tables there (the turnover
-- recompute, which the demo and an upgrade run as the owner too), whether or not PUBLIC
-- keeps those rights.
GRANT CONNECT, TEMPORARY ON DATABASE :"DBNAME" TO :"owner", :"app";

-- Nobody but an owner creates objects in the shared public schema.
REVOKE CREATE ON SCHEMA public FROM PUBLIC;

-- Functions every role may call by default that the program never needs: sleeping and large
-- objects (which live outside any schema).
DO $$
DECLARE f regprocedure;
BEGIN
  FOR f IN SELECT p.oid::regprocedure FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace
           WHERE n.nspname = 'pg_catalog'
             AND (p.proname LIKE 'lo!_%' ESCAPE '!' OR p.proname IN ('loread', 'lowrite')
                  OR p.proname LIKE 'pg!_sleep%' ESCAPE '!')
  LOOP
    EXECUTE format('REVOKE EXECUTE ON FUNCTION %s FROM PUBLIC', f);
  END LOOP;
END $$;

-- A session left inside a transaction does not hold its locks for ever; texts in statements
-- read the standard way (the program sets this at connect as well).
ALTER ROLE :"app" SET idle_in_transaction_session_timeout = '10min';
ALTER ROLE :"app" SET standard_conforming_strings = on;
